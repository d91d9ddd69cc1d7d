<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane ಇಬ್ಬರು ವ್ಯಕ್ತಿಗಳ ನಡುವಿನ ಕುಜ ದೋಷ ಹೊಂದಾಣಿಕೆಯನ್ನು ತೋರಿಸುತ್ತದೆ. ಇಬ್ಬರೂ ಸಂಗಾತಿಗಳಿಗೆ ಕುಜ ದೋಷವಿದ್ದರೆ, ಒಬ್ಬರಿಗೆ ಮಾತ್ರ ಇರುವುದಕ್ಕಿಂತ ಆ ಹೊಂದಾಣಿಕೆ ಹೆಚ್ಚು ಸೂಕ್ತ ಎಂದು ನಂಬಲಾಗಿದೆ. Tirovane ಒಂದು ಮುಕ್ತ ತಂತ್ರಾಂಶ; ಇದು GNU Affero General Public License ಆವೃತ್ತಿ 3 ಅಥವಾ ಅದರ ನಂತರದ ಯಾವುದೇ ಆವೃತ್ತಿಯ ಅಡಿಯಲ್ಲಿ ಲಭ್ಯವಿದೆ.</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>ಸ್ಥಳಗಳು: GeoNames (geonames.org), CC BY 4.0. ಐತಿಹಾಸಿಕ ಸಮಯ ವಲಯಗಳು: IANA ಸಮಯ ವಲಯ ದತ್ತಸಂಚಯ.</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane ಮುಖಪುಟಕ್ಕೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ಮನೆಯಿಂದಲೇ ವ್ಯವಹಾರದ ಅವಕಾಶ. ನಿಮ್ಮದೇ ಇಂಟರ್ನೆಟ್ ವ್ಯವಹಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ. ಈ ತಂತ್ರಾಂಶವನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಬ್ರ್ಯಾಂಡ್‌ನೊಂದಿಗೆ ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಪಡೆಯಿರಿ.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Sun</source>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ಬುಧ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ಶುಕ್ರ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ಕುಜ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>ಗುರು</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ಶನಿ</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ರಾಹು</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>ಕೇತು</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>ದಶಮ ಭಾವ ಮಧ್ಯ</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>ಬುಧ</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>ಶುಕ್ರ</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>ಕುಜ</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>ಗುರು</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>ಶನಿ</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (ವ) </translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>House %1, sign %2, %3</source>
        <translation>ಭಾವ %1, ರಾಶಿ %2, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>%1ನೇ ಭಾವದ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>ರಾಶಿ %1, %2</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>Manglik</source>
        <translation>ಕುಜ ದೋಷವಿದೆ</translation>
    </message>
    <message>
        <source>Non Manglik, the dosha being cancelled</source>
        <translation>ಕುಜ ದೋಷವಿಲ್ಲ (ದೋಷ ಪರಿಹಾರವಾಗಿದೆ)</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>ಕುಜ ದೋಷವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಕುಜನ ಸ್ಥಾನ %1, ಅಂದರೆ ಲಗ್ನದಿಂದ %2ನೇ ಭಾವ: ಲಗ್ನದಿಂದ ನಿರ್ಣಯ ಬದಲಾಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಕುಜನ ಸ್ಥಾನ %1, ಅಂದರೆ ಚಂದ್ರನಿಂದ %2ನೇ ಭಾವ: ಚಂದ್ರನಿಂದ ನಿರ್ಣಯ ಬದಲಾಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಕುಜನ ಸ್ಥಾನ %1, ಅಂದರೆ ಲಗ್ನದಿಂದ %2ನೇ ಭಾವ: ಲಗ್ನದಿಂದ ನೋಡಿದರೆ ಈ ವ್ಯಕ್ತಿಗೆ %3.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಕುಜನ ಸ್ಥಾನ %1, ಅಂದರೆ ಚಂದ್ರನಿಂದ %2ನೇ ಭಾವ: ಚಂದ್ರನಿಂದ ನೋಡಿದರೆ ಈ ವ್ಯಕ್ತಿಗೆ %3.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್ ಕಡತಗಳು ಸಿಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅದರ ಕಡಿಮೆ ನಿಖರತೆಯ ವಿಶ್ಲೇಷಣಾತ್ಮಕ ಸಿದ್ಧಾಂತವನ್ನು ಬಳಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಬಳಸಿ ಈ ಜಾತಕವನ್ನು ಲೆಕ್ಕಹಾಕಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಬಳಸಿ ಈ ಜಾತಕವನ್ನು ಲೆಕ್ಕಹಾಕಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %1.</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>ತೋರಿಸಿರುವ ಗ್ರಹ ಸ್ಥಿತಿಗಳು Tirovane ತಂತ್ರಾಂಶದ ಸ್ವಂತ ಲೆಕ್ಕಾಚಾರ ವಿಧಾನದಿಂದ ಪಡೆದವು.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಲಗ್ನದ ಸ್ಥಾನ %1, ಅದು %2 ರಾಶಿಯಲ್ಲಿ ಇಲ್ಲ: ಲಗ್ನದಿಂದ ಎಣಿಸುವ ಭಾವಗಳು ಅಲ್ಲಿಂದಲೇ ಆರಂಭವಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಚಂದ್ರನ ಸ್ಥಾನ %1, ಅದು %2 ರಾಶಿಯಲ್ಲಿ ಇಲ್ಲ: ಚಂದ್ರನಿಂದ ಎಣಿಸುವ ಭಾವಗಳು ಅಲ್ಲಿಂದಲೇ ಆರಂಭವಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಪ್ರಕಾರ ಚಂದ್ರನ ನಕ್ಷತ್ರ %1, %2 ಅಲ್ಲ: ಅದರೊಂದಿಗೆ ಪಾದ ಮತ್ತು ನಕ್ಷತ್ರದ ಅಧಿಪತಿಯೂ ಬದಲಾಗುತ್ತವೆ.</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>ಉಳಿಸಿ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ಹಿಂದಕ್ಕೆ (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ನಿರ್ಗಮಿಸಿ (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG ಆಗಿ ಉಳಿಸಿ (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane ಚರ್ಚಾ ವೇದಿಕೆಯಲ್ಲಿ ವೈದಿಕ ಜ್ಯೋತಿಷ್ಯದ ಕುರಿತ ಚರ್ಚೆಯಲ್ಲಿ ಪಾಲ್ಗೊಳ್ಳಿ.</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>ಈ ರಾಶಿ ಚಕ್ರವನ್ನು Tirovane ಜಾಲತಾಣದಲ್ಲಿ ವಿಶ್ಲೇಷಣೆ ಮಾಡಿಸಿ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ಮನೆಯಿಂದಲೇ ವ್ಯವಹಾರದ ಅವಕಾಶ. ನಿಮ್ಮದೇ ಇಂಟರ್ನೆಟ್ ವ್ಯವಹಾರ ಆರಂಭಿಸಿ ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ. ಈ ತಂತ್ರಾಂಶವನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಬ್ರ್ಯಾಂಡ್‌ನೊಂದಿಗೆ ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಪಡೆಯಿರಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>ಈ ತಂತ್ರಾಂಶವನ್ನು ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಸಹ-ಬ್ರ್ಯಾಂಡ್ ಮಾಡಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಕಡತ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>ಹೊಸದು (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>ಹೀಗೆ ಉಳಿಸಿ (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>ವರದಿ ರಫ್ತು ಮಾಡಿ (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>ಜಾತಕವನ್ನು ಪಠ್ಯವಾಗಿ ರಫ್ತು ಮಾಡಿ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ಮುದ್ರಿಸಿ (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>ವ್ಯಕ್ತಿಗಳು (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>ವ್ಯಕ್ತಿ ಸಂಗ್ರಹ ತೆರೆಯಿರಿ (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>ನೋಟ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ಉಪಕರಣ ಪಟ್ಟಿ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ಸ್ಥಿತಿ ಪಟ್ಟಿ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>ಚಕ್ರದ ಶೈಲಿ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>ಉತ್ತರ ಭಾರತೀಯ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>ಭಾರತೀಯ ಜನ್ಮ ಜಾತಕ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>ಹೊಂದಾಣಿಕೆ (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 ಗುಣಗಳು (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>ದಶಕೂಟ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>ಎರಡೂ (&amp;B)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>ಬಣ್ಣದ ಶೈಲಿ (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>ಆನ್ (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>ಆಫ್ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>ರಾಶಿ ಚಕ್ರ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>ವರ್ಗ ಚಕ್ರಗಳು (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>ಹೋರಾ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>ದ್ರೇಕ್ಕಾಣ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>ಸಪ್ತಾಂಶ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>ನವಾಂಶ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>ದಶಾಂಶ (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>ದ್ವಾದಶಾಂಶ (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>ನಿಖರ ಗ್ರಹ ಸ್ಥಿತಿಗಳು (ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ಭಾಷೆ (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ಉಪಕರಣ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>ಹೊಸದು</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ಮುದ್ರಿಸಿ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ಸಹಾಯ</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane ಇಬ್ಬರು ವ್ಯಕ್ತಿಗಳ ನಡುವಿನ ಕುಜ ದೋಷ ಹೊಂದಾಣಿಕೆಯನ್ನು ತೋರಿಸುತ್ತದೆ. ಇಬ್ಬರೂ ಸಂಗಾತಿಗಳಿಗೆ ಕುಜ ದೋಷವಿದ್ದರೆ, ಒಬ್ಬರಿಗೆ ಮಾತ್ರ ಇರುವುದಕ್ಕಿಂತ ಆ ಹೊಂದಾಣಿಕೆ ಹೆಚ್ಚು ಸೂಕ್ತ ಎಂದು ನಂಬಲಾಗಿದೆ. </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>ಹಿಂದೆ ಉಳಿಸಿದ ಫಲಾದೇಶವನ್ನು ತೆರೆಯಿರಿ (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>ವಿವರವಾದ ಸಲಹೆ ಮತ್ತು ಸಮಾಲೋಚನೆಗಾಗಿ Tirovane ಮುಖಪುಟಕ್ಕೆ ಭೇಟಿ ನೀಡಿ.</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>ಈ ತಂತ್ರಾಂಶವನ್ನು ಸಂಪೂರ್ಣವಾಗಿ ನಿಮ್ಮ ಬ್ರ್ಯಾಂಡ್‌ನೊಂದಿಗೆ ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಪಡೆಯಿರಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>ಈ ತಂತ್ರಾಂಶವನ್ನು ನಿಮ್ಮ ಜಾಲತಾಣಕ್ಕಾಗಿ ಸಹ-ಬ್ರ್ಯಾಂಡ್ ಮಾಡಿ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗಾಗಿ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>ನಿಮ್ಮ ವೈಯಕ್ತಿಕ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>ನಿಮ್ಮ ಸಂಗಾತಿಯ ವೈಯಕ್ತಿಕ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>ಲಿಂಗ</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>ಜನ್ಮದ ದಿನ</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>ಜನ್ಮದ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>ಜನ್ಮದ ವರ್ಷ</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>ಜನ್ಮದ ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>ಜನ್ಮದ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>ಅಕ್ಷಾಂಶದ ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>ಅಕ್ಷಾಂಶದ ಕಲೆಗಳು</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>ರೇಖಾಂಶದ ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>ರೇಖಾಂಶದ ಕಲೆಗಳು</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>ಅಕ್ಷಾಂಶ &amp;&amp; ರೇಖಾಂಶ ತಿಳಿಯಲು ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>ಜನ್ಮ ಸಮಯ</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>ಗಂಟೆ/ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>ಅಂಶ/ಕಲೆ</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>ಮುಂದಕ್ಕೆ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>ಕುಜ ದೋಷ ಹೊಂದಾಣಿಕೆ ಫಲಾದೇಶ ಪಡೆಯಿರಿ (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ಹಿಂದಕ್ಕೆ (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>ನಿಮ್ಮ ವೈಯಕ್ತಿಕ ವಿವರಗಳಿಗೆ ಹಿಂತಿರುಗಿ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಕಡತ (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>ನನ್ನ ರಾಶಿ ಚಕ್ರ ತೋರಿಸಿ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>ವ್ಯಕ್ತಿಗಳು (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>ವ್ಯಕ್ತಿ ಸಂಗ್ರಹ ತೆರೆಯಿರಿ (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ನಿರ್ಗಮಿಸಿ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ಭಾಷೆ (&amp;L)</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>ತಿಳಿಸಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ಪುರುಷ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>ಸ್ತ್ರೀ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ದಯವಿಟ್ಟು ನಗರವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ದಯವಿಟ್ಟು ದೇಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>ಬಳಸಿದ ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>ಜನ್ಮ ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>ಸ್ಥಳಗಳ ಪಟ್ಟಿಯನ್ನು ಓದಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %1</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 ಮಹಾದಶೆಯ ಭುಕ್ತಿಗಳು</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>ನವಾಂಶ: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>ನವಾಂಶ ಮತ್ತು ದಶೆ</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>ದಶೆ</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>ರಾಶಿ</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>ನವಾಂಶ</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>ವಯಸ್ಸಿನ ಪ್ರಕಾರ ಇಬ್ಬರ ಮಹಾದಶೆಗಳು</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>ವಿಂಶೋತ್ತರಿ ದಶಾ ಅವಧಿಗಳು</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>ದಿನಾಂಕಗಳು ಮತ್ತು ವಯಸ್ಸನ್ನು ಒಂದು ವರ್ಷಕ್ಕೆ 365.25 ದಿನಗಳೆಂದು ಲೆಕ್ಕಹಾಕಲಾಗಿದೆ; ವರ್ಷದ ಬೇರೆ ಅವಧಿಯನ್ನು ಬಳಸುವ ತಂತ್ರಾಂಶಗಳು ಕೆಲವು ದಿನಗಳ ವ್ಯತ್ಯಾಸವಿರುವ ದಿನಾಂಕಗಳನ್ನು ನೀಡುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>ನಡೆಯುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>ವಯಸ್ಸು (ವರ್ಷಗಳಲ್ಲಿ)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ಇಂದು</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>ಅವಧಿ</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ಆರಂಭ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>ಅಂತ್ಯ</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>ಆರಂಭದ ವಯಸ್ಸು</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>ಅಂತ್ಯದ ವಯಸ್ಸು</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>%1 ದಶೆ: ಜನನ ಕಾಲದಲ್ಲಿ ಉಳಿದಿದ್ದ ಅವಧಿ %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n ವರ್ಷ</numerusform>
            <numerusform>%n ವರ್ಷ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n ತಿಂಗಳು</numerusform>
            <numerusform>%n ತಿಂಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n ದಿನ</numerusform>
            <numerusform>%n ದಿನ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 ವ. %2 ತಿಂ.</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>ಜನನಕ್ಕೆ ಮೊದಲು</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>ಲಗ್ನದಿಂದ ಕುಜನ ಸ್ಥಾನ: %1ನೇ ಭಾವ</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>ಚಂದ್ರನಿಂದ ಕುಜನ ಸ್ಥಾನ: %1ನೇ ಭಾವ</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>ಕುಜ ದೋಷದ ಪ್ರಮಾಣ  %1</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>ನಿಮ್ಮ ಜಾತಕದಲ್ಲಿನ ಇತರ ಗ್ರಹ ಸ್ಥಿತಿಗಳಿಂದಾಗಿ ನಿಮ್ಮ ಕುಜ ದೋಷ ಪರಿಹಾರವಾಗಿದೆ. </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>ಈ ವ್ಯಕ್ತಿಗೆ ಕುಜ ದೋಷವಿದೆ</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>ಈ ವ್ಯಕ್ತಿಗೆ ಕುಜ ದೋಷವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>ಈ ವ್ಯಕ್ತಿಯ ಕುಜ ದೋಷ ಪರಿಹಾರವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>ನಿಮ್ಮ ಸಂಗಾತಿ %1 ಅವರಿಗೆ ಕುಜ ದೋಷವಿದೆ</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>ನಮಸ್ಕಾರ %1, ನಿಮಗೆ ಕುಜ ದೋಷವಿದೆ</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>ನಿಮ್ಮ ಸಂಗಾತಿ %1 ಅವರಿಗೆ ಕುಜ ದೋಷವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>ನಮಸ್ಕಾರ %1, ನಿಮಗೆ ಕುಜ ದೋಷವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>ನಿಮ್ಮ ಸಂಗಾತಿ %1 ಅವರ ಕುಜ ದೋಷ ಪರಿಹಾರವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>ನಮಸ್ಕಾರ %1, ನಿಮ್ಮ ಕುಜ ದೋಷ ಪರಿಹಾರವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>ಕುಜ %1 ರಾಶಿಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>ಕುಜ %1 ರಾಶಿಯಲ್ಲಿ, ದ್ವಿತೀಯ ಭಾವದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>ಕುಜ %1 ರಾಶಿಯಲ್ಲಿ, ಚತುರ್ಥ ಭಾವದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>ಕುಜ %1 ರಾಶಿಯಲ್ಲಿ, ಸಪ್ತಮ ಭಾವದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>ಕುಜ %1 ರಾಶಿಯಲ್ಲಿ, ಅಷ್ಟಮ ಭಾವದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>ಕುಜ %1 ರಾಶಿಯಲ್ಲಿ, ದ್ವಾದಶ ಭಾವದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>ಕುಜ ಗುರುವಿನಿಂದ 10° ಅಂತರದೊಳಗೆ</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>ಕುಜ ಬುಧನಿಂದ 10° ಅಂತರದೊಳಗೆ</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>ದೋಷ ಪರಿಹಾರ: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>ಕುಜ ದೋಷ ನಿಷ್ಫಲವಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>ನಿಮಗೆ ಕುಜ ದೋಷವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>ಕುಜ ದೋಷ ನಿಷ್ಫಲವಾಗಿಲ್ಲ. ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗಾಗಿ ದಯವಿಟ್ಟು ಜ್ಯೋತಿಷಿಯನ್ನು ಸಂಪರ್ಕಿಸಿ.</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>Varna</source>
        <translation>ವರ್ಣ</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>ವಶ್ಯ</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>ತಾರಾ</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>ಯೋನಿ</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>ಗ್ರಹ ಮೈತ್ರಿ</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>ಗಣ</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>ಭಕೂಟ</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>ನಾಡಿ</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>ಬ್ರಾಹ್ಮಣ</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>ಕ್ಷತ್ರಿಯ</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>ವೈಶ್ಯ</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>ಶೂದ್ರ</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>ಚತುಷ್ಪಾದ</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>ಮಾನವ</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>ಜಲಚರ</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>ವನಚರ</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>ಕೀಟ</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>ಅಶ್ವ</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>ಗಜ</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>ಸರ್ಪ</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>ಶ್ವಾನ</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>ಮಾರ್ಜಾಲ</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>ಮೂಷಕ</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>ಗೋ</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>ಮಹಿಷ</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>ವ್ಯಾಘ್ರ</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>ಮೃಗ</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>ವಾನರ</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>ನಕುಲ</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ಕುಜ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ಬುಧ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>ಗುರು</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ಶುಕ್ರ</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ಶನಿ</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>ದೇವ</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>ಮನುಷ್ಯ</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>ರಾಕ್ಷಸ</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>ಆದಿ</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>ಮಧ್ಯ</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>ಅಂತ್ಯ</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 ಗುಣ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>ನಾಡಿ ದೋಷ: ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>ಭಕೂಟ ದೋಷ: ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>ನಾಡಿ ದೋಷ: ಇದೆ</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>ಭಕೂಟ ದೋಷ: ಇದೆ</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>ನಾಡಿ ದೋಷ: ಪರಿಹಾರವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>ಭಕೂಟ ದೋಷ: ಪರಿಹಾರವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>ಶಿಫಾರಸು ಮಾಡಲಾಗದು: 36ರಲ್ಲಿ 18ಕ್ಕಿಂತ ಕಡಿಮೆ ಗುಣಗಳು</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>ಸ್ವೀಕಾರಾರ್ಹ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>ಉತ್ತಮ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>ಅತ್ಯುತ್ತಮ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>ಮೊದಲ ವ್ಯಕ್ತಿಯನ್ನು ವರನ ಕಡೆ ಮತ್ತು ಸಂಗಾತಿಯನ್ನು ವಧುವಿನ ಕಡೆ ಇರಿಸಿ ಗುಣಗಳನ್ನು ಎಣಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>ಸಂಗಾತಿಯನ್ನು ವರನ ಕಡೆ ಮತ್ತು ಮೊದಲ ವ್ಯಕ್ತಿಯನ್ನು ವಧುವಿನ ಕಡೆ ಇರಿಸಿ ಗುಣಗಳನ್ನು ಎಣಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>ಕೂಟ</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>ಮೊದಲ ವ್ಯಕ್ತಿ</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>ಸಂಗಾತಿ</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>ಗುಣ</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>ಗರಿಷ್ಠ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>ಒಟ್ಟು ಗುಣಗಳು</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>ಹೊಂದಾಣಿಕೆಯ ನಿರ್ಣಯ</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>ನಾಡಿ ದೋಷ</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>ಭಕೂಟ ದೋಷ</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ತಂತ್ರಾಂಶದ ಹೊಸ ಆವೃತ್ತಿಗಾಗಿ ಪರಿಶೀಲಿಸಿ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ತಂತ್ರಾಂಶದ ಕುರಿತು (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ದೇಣಿಗೆ ನೀಡಿ (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>ದೇಣಿಗೆ ನೀಡಿ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>ಈ ಕಡತದ ಪ್ರತಿಗಳು ತುಂಬಾ ಹೆಚ್ಚಾಗಿವೆ  %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> ಹೊಸ  ಕಡತವನ್ನು  ರಚಿಸಲು  ಸಾಧ್ಯವಾಗಲಿಲ್ಲ%1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>ಚಿತ್ರವನ್ನು %1 ಕಡತಕ್ಕೆ ಬರೆಯಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>ಚಿತ್ರವನ್ನು %1 ಆಗಿ ಉಳಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>ಮುದ್ರಕವನ್ನು ಆರಂಭಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane ಫಲಾದೇಶ (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>%1 ಕಡತವನ್ನು ಬರೆಯಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>ಮೂಲ ಕಡತವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>ದಯವಿಟ್ಟು ಕಡತವನ್ನು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>%1 ಕಡತವನ್ನು ತೆರೆಯಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>ವ್ಯಕ್ತಿ ಸಂಗ್ರಹ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>ವ್ಯಕ್ತಿ ಸಂಗ್ರಹ (*.sqlite)|*.sqlite</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG ಚಿತ್ರ (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>ಗುರಿ ಪಠ್ಯ ಕಡತವನ್ನು ಆಯ್ಕೆಮಾಡಿ </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>ಜಾತಕ ಪಠ್ಯವಾಗಿ (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF ವರದಿ (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>ವರದಿಯನ್ನು ತಯಾರಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ಜನವರಿ</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ಫೆಬ್ರವರಿ</translation>
    </message>
    <message>
        <source>March</source>
        <translation>ಮಾರ್ಚ್</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ಏಪ್ರಿಲ್</translation>
    </message>
    <message>
        <source>May</source>
        <translation>ಮೇ</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ಜೂನ್</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ಜುಲೈ</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ಆಗಸ್ಟ್</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ಸೆಪ್ಟೆಂಬರ್</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ಅಕ್ಟೋಬರ್</translation>
    </message>
    <message>
        <source>November</source>
        <translation>ನವೆಂಬರ್</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ಡಿಸೆಂಬರ್</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Aswini</source>
        <translation>ಅಶ್ವಿನಿ</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>ಭರಣಿ</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>ಕೃತ್ತಿಕಾ</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>ರೋಹಿಣಿ</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>ಮೃಗಶಿರಾ</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>ಆರ್ದ್ರಾ</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>ಪುನರ್ವಸು</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>ಪುಷ್ಯ</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>ಆಶ್ಲೇಷಾ</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>ಮಖಾ</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>ಪುಬ್ಬಾ</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>ಉತ್ತರಾ</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>ಹಸ್ತ</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>ಚಿತ್ತಾ</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>ಸ್ವಾತಿ</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>ವಿಶಾಖಾ</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>ಅನುರಾಧಾ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ಜ್ಯೇಷ್ಠಾ</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>ಮೂಲಾ</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>ಪೂರ್ವಾಷಾಢಾ</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>ಉತ್ತರಾಷಾಢಾ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>ಶ್ರವಣ</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>ಧನಿಷ್ಠಾ</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>ಶತಭಿಷಾ</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>ಪೂರ್ವಾಭಾದ್ರಾ</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>ಉತ್ತರಾಭಾದ್ರಾ</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>ರೇವತಿ</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>There is no people library at %1.</source>
        <translation>%1 ಸ್ಥಳದಲ್ಲಿ ಯಾವುದೇ ವ್ಯಕ್ತಿ ಸಂಗ್ರಹ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 ವ್ಯಕ್ತಿ ಸಂಗ್ರಹವಲ್ಲ; ಅದನ್ನು ಇದ್ದಂತೆಯೇ ಬಿಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>%1 ವ್ಯಕ್ತಿ ಸಂಗ್ರಹವನ್ನು Tirovane ತಂತ್ರಾಂಶದ ಹೊಸ ಆವೃತ್ತಿಯು ಬರೆದಿದೆ.</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>%1 ವ್ಯಕ್ತಿ ಸಂಗ್ರಹವನ್ನು ಬದಲಾಯಿಸಲು ಸಾಧ್ಯವಿಲ್ಲ: ಅದು ಓದಲು ಮಾತ್ರ.</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>%1 ವ್ಯಕ್ತಿ ಸಂಗ್ರಹವನ್ನು ಇನ್ನೊಂದು ತಂತ್ರಾಂಶ ಬಳಸುತ್ತಿದೆ; ಸ್ವಲ್ಪ ಸಮಯದ ನಂತರ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>ಸಂಗ್ರಹದಲ್ಲಿ ಅಂತಹ ವ್ಯಕ್ತಿ ಯಾರೂ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>%1 ವ್ಯಕ್ತಿ ಸಂಗ್ರಹವನ್ನು ಬಳಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %2.</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>ಸಂಗ್ರಹದಲ್ಲಿ Id %1 ಇರುವ ವ್ಯಕ್ತಿ ಯಾರೂ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 ಈಗಾಗಲೇ ಸಂಗ್ರಹದಲ್ಲಿದ್ದಾರೆ (Id %2).</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>ಏನನ್ನೂ ಆಮದು ಮಾಡಲಾಗಿಲ್ಲ: %n ಸಾಲು ತಪ್ಪಾಗಿದೆ.</numerusform>
            <numerusform>ಏನನ್ನೂ ಆಮದು ಮಾಡಲಾಗಿಲ್ಲ: %n ಸಾಲುಗಳು ತಪ್ಪಾಗಿವೆ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>ಸಮಯ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>ಲಿಂಗ</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>ಗುಣ</translation>
    </message>
    <message>
        <source>Nadi Dosha</source>
        <translation>ನಾಡಿ ದೋಷ</translation>
    </message>
    <message>
        <source>Bhakoot Dosha</source>
        <translation>ಭಕೂಟ ದೋಷ</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>ದಶಕೂಟ</translation>
    </message>
    <message>
        <source>Porutham Verdict</source>
        <translation>ದಶಕೂಟ ನಿರ್ಣಯ</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>ರಜ್ಜು</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>ಕುಜ ದೋಷ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>ಇದೆ</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>ಪರಿಹಾರವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ಪುರುಷ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>ಸ್ತ್ರೀ</translation>
    </message>
    <message>
        <source>Dosha</source>
        <translation>ದೋಷ</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>ಹೊಂದುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>ಅನುಕೂಲ</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>ಅನುಕೂಲವಲ್ಲ</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>%1 ಅವರಿಗೆ ಹೊಂದುವ ಸಂಬಂಧಗಳು</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>ಕನಿಷ್ಠ ಗುಣಗಳು (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>ಕನಿಷ್ಠ ಗುಣಗಳು</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>ನಾಡಿ, ಭಕೂಟ ಮತ್ತು ರಜ್ಜು ದೋಷ ಇರುವವರನ್ನು ಮರೆಮಾಡಿ (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>ಸಂಬಂಧಗಳು, ಉತ್ತಮವಾದವು ಮೊದಲು</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>ಪ್ರತಿ ಒಟ್ಟು ಗುಣ ತಲುಪಿದವರ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV ರಫ್ತು ಮಾಡಿ (&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF ರಫ್ತು ಮಾಡಿ (&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>ತೋರಿಸಿದ ಸಂಬಂಧಗಳು: %2ರಲ್ಲಿ %1</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>ಶ್ರೇಣಿ ಪಟ್ಟಿಯನ್ನು ರಫ್ತು ಮಾಡಿ</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV ಕಡತ (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF ಕಡತ (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF ತಯಾರಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>People</source>
        <translation>ವ್ಯಕ್ತಿಗಳು</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>ಹುಡುಕಿ (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>ಹೆಸರು ಅಥವಾ ಸ್ಥಳ, ಯಾವುದೇ ಲಿಪಿಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>ಸಂಗ್ರಹದಲ್ಲಿರುವ ವ್ಯಕ್ತಿಗಳು</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>ಮೊದಲ ವ್ಯಕ್ತಿಯಾಗಿ ಬಳಸಿ (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>ಸಂಗಾತಿಯಾಗಿ ಬಳಸಿ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>ಎಲ್ಲರೊಂದಿಗೆ ಹೊಂದಿಸಿ (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>ಸಂಪಾದಿಸಿ (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>ಅಳಿಸಿ (&amp;D)…</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>ನಿಮ್ಮ ವಿವರಗಳನ್ನು ಸೇರಿಸಿ (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>ಸಂಗಾತಿಯ ವಿವರಗಳನ್ನು ಸೇರಿಸಿ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>ಆಮದು ಮಾಡಿ (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>ರಫ್ತು ಮಾಡಿ (&amp;X)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>ತೋರಿಸಿದ ವ್ಯಕ್ತಿಗಳು: %1 (ಸಂಗ್ರಹದಲ್ಲಿ %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1 ಅವರನ್ನು ಸಂಗ್ರಹದಿಂದ ಅಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>ವ್ಯಕ್ತಿಗಳನ್ನು ಆಮದು ಮಾಡಿ</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>ವ್ಯಕ್ತಿಗಳು (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>ವ್ಯಕ್ತಿಗಳನ್ನು ಆಮದು ಮಾಡಲಾಗುತ್ತಿದೆ…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>ಸಾಲು %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>ಕಡತದ %n ಸಾಲನ್ನು ಆಮದು ಮಾಡಲು ಸಾಧ್ಯವಿಲ್ಲ.</numerusform>
            <numerusform>ಕಡತದ %n ಸಾಲುಗಳನ್ನು ಆಮದು ಮಾಡಲು ಸಾಧ್ಯವಿಲ್ಲ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>ಉಳಿದ ಸಾಲುಗಳನ್ನು ಮಾತ್ರ ಆಮದು ಮಾಡಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>ಸೇರಿಸಿದವರು: %1. ಈಗಾಗಲೇ ಸಂಗ್ರಹದಲ್ಲಿದ್ದವರು: %2.</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>ವ್ಯಕ್ತಿಗಳನ್ನು ರಫ್ತು ಮಾಡಿ</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV ಕಡತ (*.csv)|*.csv|JSON ಸಾಲುಗಳು (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>ವ್ಯಕ್ತಿಯ ವಿವರ ಸಂಪಾದಿಸಿ</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>ತಿಳಿಸಿಲ್ಲ</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>ಹೆಸರು (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>ಲಿಂಗ (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>ಟಿಪ್ಪಣಿಗಳು (&amp;O):</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>ಊರಿನ ಹೆಸರನ್ನು ಬರೆದು, ಪಟ್ಟಿಯಿಂದ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>ಜನ್ಮ ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>ಹುಟ್ಟಿದ ಊರಿನ ಹೆಸರನ್ನು ಬರೆದು ಪಟ್ಟಿಯಿಂದ ಆಯ್ಕೆಮಾಡಿ: ಇದರಿಂದ ನಗರ, ರಾಜ್ಯ, ದೇಶ, ಅಕ್ಷಾಂಶ, ರೇಖಾಂಶ, ಸಮಯ ವಲಯ ಮತ್ತು ಹಗಲು ಉಳಿತಾಯ ಸಮಯ ತಾವಾಗಿಯೇ ತುಂಬಿಕೊಳ್ಳುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>ಹೊಂದುವ ಸ್ಥಳಗಳು</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>ಒಂದು ನಿಮಿಷಕ್ಕಿಂತ ಕಡಿಮೆ</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3 ರಂದು %2: ಪ್ರಮಾಣಿತ ಸಮಯ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3 ರಂದು %2: ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3 ರಂದು %2: ಯುದ್ಧಕಾಲೀನ ಸಮಯ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3 ರಂದು %2: ಸ್ಥಳೀಯ ಸರಾಸರಿ ಸಮಯ</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%2 ರಂದು %1 ಎಂಬ ಸಮಯ %3 ವಲಯದಲ್ಲಿ ಇರಲೇ ಇಲ್ಲ: ಗಡಿಯಾರಗಳನ್ನು ಮುಂದಕ್ಕೆ ಸರಿಸಲಾಗಿತ್ತು (ಮೊದಲು %4, ನಂತರ %5); ಇದನ್ನು %4 ಎಂದು ಪರಿಗಣಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%2 ರಂದು %1 ಎಂಬ ಸಮಯ %3 ವಲಯದಲ್ಲಿ ಎರಡು ಬಾರಿ ಬಂದಿತ್ತು (ಮೊದಲು %4, ನಂತರ %5); ಮೊದಲನೆಯದನ್ನು ಪರಿಗಣಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>ಪಟ್ಟಿಯಲ್ಲಿನ ಯಾವ ವಲಯಕ್ಕೂ %1 ಅಂತರವಿಲ್ಲ: &quot;%2&quot; ಆಯ್ಕೆಮಾಡಿದರೆ ಜನನದ ಕ್ಷಣ %3 ತಡವಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>ಪಟ್ಟಿಯಲ್ಲಿನ ಯಾವ ವಲಯಕ್ಕೂ %1 ಅಂತರವಿಲ್ಲ: &quot;%2&quot; ಆಯ್ಕೆಮಾಡಿದರೆ ಜನನದ ಕ್ಷಣ %3 ಮುಂಚಿತವಾಗುತ್ತದೆ.</translation>
    </message>
</context>
<context>
    <name>Porutham</name>
    <message>
        <source>Dina</source>
        <translation>ದಿನ</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>ಗಣ</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>ಮಾಹೇಂದ್ರ</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>ಸ್ತ್ರೀ ದೀರ್ಘ</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>ಯೋನಿ</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>ರಾಶಿ</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>ರಾಶಿ ಅಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>ವಶ್ಯ</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>ರಜ್ಜು</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>ವೇಧ</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>ದಶಕೂಟ</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>ಪಾದ</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>ಕಟಿ</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>ನಾಭಿ</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>ಕಂಠ</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>ಶಿರೋ</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>ಇಬ್ಬರೂ ಶಿರೋ ರಜ್ಜುವಿನಲ್ಲಿದ್ದಾರೆ: ಪತಿಗೆ ಅಪಾಯ.</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>ಇಬ್ಬರೂ ಕಂಠ ರಜ್ಜುವಿನಲ್ಲಿದ್ದಾರೆ: ಪತ್ನಿಗೆ ಅಪಾಯ.</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>ಇಬ್ಬರೂ ನಾಭಿ ರಜ್ಜುವಿನಲ್ಲಿದ್ದಾರೆ: ಮಕ್ಕಳಿಗೆ ಅಪಾಯ.</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>ಇಬ್ಬರೂ ಕಟಿ ರಜ್ಜುವಿನಲ್ಲಿದ್ದಾರೆ: ಬಡತನ.</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>ಇಬ್ಬರೂ ಪಾದ ರಜ್ಜುವಿನಲ್ಲಿದ್ದಾರೆ: ಅಲೆದಾಟ.</translation>
    </message>
    <message>
        <source>Uttamam</source>
        <translation>ಉತ್ತಮ</translation>
    </message>
    <message>
        <source>Madhyamam</source>
        <translation>ಮಧ್ಯಮ</translation>
    </message>
    <message>
        <source>Adhamam</source>
        <translation>ಅಧಮ</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is good when shared.</source>
        <translation>ಇಬ್ಬರೂ %1 ನಕ್ಷತ್ರದಲ್ಲಿ ಜನಿಸಿದ್ದಾರೆ; ಇಬ್ಬರಿಗೂ ಒಂದೇ ಆದಾಗ ಈ ನಕ್ಷತ್ರ ಶುಭ.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>ಇಬ್ಬರೂ %1 ನಕ್ಷತ್ರದಲ್ಲಿ ಜನಿಸಿದ್ದಾರೆ; ಇಬ್ಬರಿಗೂ ಒಂದೇ ಆದಾಗ ಈ ನಕ್ಷತ್ರ ಮಧ್ಯಮ.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>ಇಬ್ಬರೂ %1 ನಕ್ಷತ್ರದಲ್ಲಿ ಜನಿಸಿದ್ದಾರೆ; ಇಬ್ಬರಿಗೂ ಒಂದೇ ಆದಾಗ ಈ ನಕ್ಷತ್ರ ಶುಭವಲ್ಲ.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>ವಧುವಿನ ನಕ್ಷತ್ರದಿಂದ ವರನ ನಕ್ಷತ್ರದವರೆಗೆ ಎಣಿಕೆ: %1.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>ವಧುವಿನ ನಕ್ಷತ್ರದಿಂದ ವರನ ನಕ್ಷತ್ರದವರೆಗೆ ಎಣಿಕೆ: %1; ವರನ ಪಾದ %2.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>ವಧುವಿನ ನಕ್ಷತ್ರದಿಂದ ವರನ ನಕ್ಷತ್ರದವರೆಗೆ ಎಣಿಕೆ: 27, ಒಂದೇ ರಾಶಿಯೊಳಗೆ.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>ವಧುವಿನ ನಕ್ಷತ್ರದಿಂದ ವರನ ನಕ್ಷತ್ರದವರೆಗೆ ಎಣಿಕೆ: 27, ಎರಡು ರಾಶಿಗಳಲ್ಲಿ ಹರಡಿ.</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>ವರನ ಗಣ %1, ವಧುವಿನದು %2.</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>ಇಬ್ಬರದೂ %1 ಯೋನಿ.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>ವರನ %1 ಯೋನಿ ಮತ್ತು ವಧುವಿನ %2 ಯೋನಿ ಪರಸ್ಪರ ಶತ್ರುಗಳು.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>ವರನ %1 ಯೋನಿ ಮತ್ತು ವಧುವಿನ %2 ಯೋನಿ ಪರಸ್ಪರ ಶತ್ರುಗಳಲ್ಲ.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>ವಧುವಿನ ರಾಶಿಯಿಂದ ವರನ ರಾಶಿಯವರೆಗೆ ಎಣಿಕೆ: %1.</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>ಇಬ್ಬರೂ %1 ರಾಶಿಯಲ್ಲಿದ್ದಾರೆ; ವರನ ನಕ್ಷತ್ರ ಮೊದಲು ಬರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>ಇಬ್ಬರೂ %1 ರಾಶಿಯಲ್ಲಿದ್ದಾರೆ; ವಧುವಿನ ನಕ್ಷತ್ರ ಮೊದಲು ಬರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>ಇಬ್ಬರೂ %1 ನಕ್ಷತ್ರದಲ್ಲಿ ಜನಿಸಿದ್ದಾರೆ; ವರನ ಪಾದ %2, ಇದು ವಧುವಿನ ಪಾದ %3ಕ್ಕಿಂತ ಕಡಿಮೆ.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>ಇಬ್ಬರೂ %1 ನಕ್ಷತ್ರದಲ್ಲಿ ಜನಿಸಿದ್ದಾರೆ; ವರನ ಪಾದ %2, ಇದು ವಧುವಿನ ಪಾದ %3ಕ್ಕಿಂತ ಕಡಿಮೆಯಲ್ಲ.</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>ಎರಡೂ ರಾಶಿಗಳ ಅಧಿಪತಿ %1.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>ಅಧಿಪತಿಗಳು %1 ಮತ್ತು %2: ಪರಸ್ಪರ ಮಿತ್ರರು.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>ಅಧಿಪತಿಗಳು %1 ಮತ್ತು %2: ಒಬ್ಬರು ಇನ್ನೊಬ್ಬರ ಶತ್ರು.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>ಅಧಿಪತಿಗಳು %1 ಮತ್ತು %2: ಮಿತ್ರರೂ ಅಲ್ಲ, ಶತ್ರುಗಳೂ ಅಲ್ಲ.</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>ವರನ ರಾಶಿ %1 ವಧುವಿನ %2 ರಾಶಿಗೆ ವಶ್ಯ.</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>ವಧುವಿನ ರಾಶಿ %1 ವರನ %2 ರಾಶಿಗೆ ವಶ್ಯ.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1 ಮತ್ತು %2 ರಾಶಿಗಳಲ್ಲಿ ಯಾವುದೂ ಇನ್ನೊಂದಕ್ಕೆ ವಶ್ಯವಲ್ಲ.</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>ಬೇರೆ ಬೇರೆ ರಜ್ಜು: ವರನದು %1, ವಧುವಿನದು %2.</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1 ಮತ್ತು %2 ಪರಸ್ಪರ ಅಡ್ಡಿಯಾಗುತ್ತವೆ (ವೇಧ).</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1 ಮತ್ತು %2 ಪರಸ್ಪರ ಅಡ್ಡಿಯಾಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>ಹೊಂದುವ ಕೂಟಗಳು: 10ರಲ್ಲಿ %1</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>ಅಂಕ: 10ರಲ್ಲಿ %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>ನಿರ್ಣಯ: ಉತ್ತಮ</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>ನಿರ್ಣಯ: ಮಧ್ಯಮ</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>ನಿರ್ಣಯ: ಅಧಮ</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>ದೋಷಗಳು: ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>ದೋಷಗಳು: ರಜ್ಜು ಮತ್ತು ವೇಧ</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>ದೋಷಗಳು: ರಜ್ಜು</translation>
    </message>
    <message>
        <source>Doshas: Vedha</source>
        <translation>ದೋಷಗಳು: ವೇಧ</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>ಕೂಟ</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>ಶ್ರೇಣಿ</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>ಕಾರಣ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Matching poruthams</source>
        <translation>ಹೊಂದುವ ಕೂಟಗಳು</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>ದಶಕೂಟ ಅಂಕ</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>ದಶಕೂಟ ನಿರ್ಣಯ</translation>
    </message>
    <message>
        <source>Porutham doshas</source>
        <translation>ದಶಕೂಟ ದೋಷಗಳು</translation>
    </message>
</context>
<context>
    <name>PreciseChart</name>
    <message>
        <source>Swiss Ephemeris, Lahiri ayanamsa, apparent positions</source>
        <translation>ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್, ಲಾಹಿರಿ ಅಯನಾಂಶ, ದೃಶ್ಯ ಗ್ರಹ ಸ್ಥಿತಿಗಳು</translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation>ಅಯನಾಂಶ: %1</translation>
    </message>
    <message>
        <source>Lagna / Asc: %1 (%2)</source>
        <translation>ಲಗ್ನ: %1 (%2)</translation>
    </message>
    <message>
        <source>Nakshatra: %1, pada %2, lord %3</source>
        <translation>ನಕ್ಷತ್ರ: %1, ಪಾದ %2, ಅಧಿಪತಿ %3</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign: %1</source>
        <translation>ರಾಶಿ (ಚಂದ್ರ ರಾಶಿ): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>ಲಗ್ನದಿಂದ ಕುಜನ ಸ್ಥಾನ %1ನೇ ಭಾವ: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>ಚಂದ್ರನಿಂದ ಕುಜನ ಸ್ಥಾನ %1ನೇ ಭಾವ: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>ಕಡತಕೋಶ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ಕಡತ</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>ಇಲ್ಲಿ ನೋಡಿ:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ಕಡತದ ಹೆಸರು (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ಕಡತದ ಬಗೆ:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ಮೇಲಿನ ಕಡತಕೋಶ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>ಹೊಸ ಕಡತಕೋಶ ರಚಿಸಿ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>ಪಟ್ಟಿ ನೋಟ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>ವಿವರ ನೋಟ</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ಮುಂದಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>ಇತ್ತೀಚಿನ ಸ್ಥಳಗಳು</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ತೆರೆಯಿರಿ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ಉಳಿಸಿ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>ಆಯ್ಕೆಮಾಡಿ (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>ಅಡಗಿಸಿದ ಕಡತಗಳನ್ನು ತೋರಿಸಿ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ಅಳಿಸಿ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>ಮರುಹೆಸರಿಸಿ (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>ಬದಲಾಯಿಸಿದ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ಬಗೆ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ಗಾತ್ರ</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>ಗಣಕ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ಹೌದು (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ಇಲ್ಲ (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ಮುದ್ರಿಸಿ</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>ಮುಂದಿನ ಪುಟ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>ಹಿಂದಿನ ಪುಟ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>ಮೊದಲ ಪುಟ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>ಕೊನೆಯ ಪುಟ</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>ಅಗಲಕ್ಕೆ ಹೊಂದಿಸಿ</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>ಪುಟಕ್ಕೆ ಹೊಂದಿಸಿ</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ಹಿಗ್ಗಿಸಿ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ಕುಗ್ಗಿಸಿ</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>ಒಂದೇ ಪುಟ ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>ಎದುರುಬದುರು ಪುಟಗಳನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>ಎಲ್ಲ ಪುಟಗಳ ಅವಲೋಕನ ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>ಪುಟ ವಿನ್ಯಾಸ</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>ಮುದ್ರಣ ಮುನ್ನೋಟ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ಮುದ್ರಿಸಿ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚಿ</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>ಎಡಕ್ಕೆ ಸರಿಸಿ</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>ಬಲಕ್ಕೆ ಸರಿಸಿ</translation>
    </message>
</context>
<context>
    <name>Rashis</name>
    <message>
        <source>Mesha</source>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>ವೃಷಭ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>ಮಿಥುನ</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>ಕಟಕ</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>ಕನ್ಯಾ</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>ತುಲಾ</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>ವೃಶ್ಚಿಕ</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>ಮಕರ</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>ಕುಂಭ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>ಮೀನ</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rahu</source>
        <translation>ರಾಹು</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>ಕೇತು</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>ದಶಮ ಭಾವ ಮಧ್ಯ</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute South</source>
        <translation>ಅಕ್ಷಾಂಶ: %1 ಅಂಶ %2 ಕಲೆ ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute North</source>
        <translation>ಅಕ್ಷಾಂಶ: %1 ಅಂಶ %2 ಕಲೆ ಉತ್ತರ</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute East</source>
        <translation>ರೇಖಾಂಶ: %1 ಅಂಶ %2 ಕಲೆ ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>ರೇಖಾಂಶ: %1 ಅಂಶ %2 ಕಲೆ ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>ಸಮಯ ವಲಯ: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ: ಹೌದು</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ: ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>ಗ್ರಹ ಸ್ಥಿತಿಗಳನ್ನು Tirovane ತಂತ್ರಾಂಶದ ಸ್ವಂತ ಎಫೆಮೆರಿಸ್ ಬಳಸಿ ಲೆಕ್ಕಹಾಕಲಾಗಿದೆ (ಲಾಹಿರಿ ಅಯನಾಂಶ).</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>%2 %1 %3 ರಂದು %4 ಗಂಟೆಗೆ ತಯಾರಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>ಕುಜ ದೋಷ ಹೊಂದಾಣಿಕೆ ಫಲಾದೇಶ</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>ಪುಟ %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ಮತ್ತು %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>ಪರಿಣಾಮ &amp; ಪರಿಹಾರೋಪಾಯ</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>ನಿಮ್ಮ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>ನಿಮ್ಮ ಸಂಗಾತಿಯ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>ಚಂದ್ರ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>ವೈಯಕ್ತಿಕ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>ವೈದಿಕ ಗ್ರಹ ಸ್ಥಿತಿ</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>ಇತರ ವೈದಿಕ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>ಕುಜ ದೋಷ ವಿಶ್ಲೇಷಣೆ</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>ಕುಜ ದೋಷ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>ಲಗ್ನದಿಂದ ಕುಜ ದೋಷ ವಿಶ್ಲೇಷಣೆ</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>ಚಂದ್ರನಿಂದ ಕುಜ ದೋಷ ವಿಶ್ಲೇಷಣೆ</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>ಹೆಸರು: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>ಜನ್ಮ ಸಮಯ: %1 ಗಂಟೆ %2 ನಿಮಿಷ </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>ಅಕ್ಷಾಂಶ: %1 ಅಂಶ %2 ಕಲೆ</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>ರೇಖಾಂಶ: %1 ಅಂಶ %2 ಕಲೆ</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>ನಗರ: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>ರಾಜ್ಯ: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>ದೇಶ: %1</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa). The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>ಗ್ರಹ ಸ್ಥಿತಿಗಳನ್ನು ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್ ಬಳಸಿ ಲೆಕ್ಕಹಾಕಲಾಗಿದೆ (ಲಾಹಿರಿ ಅಯನಾಂಶ). ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್ ಕಡತಗಳು ಸಿಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅದರ ಕಡಿಮೆ ನಿಖರತೆಯ ವಿಶ್ಲೇಷಣಾತ್ಮಕ ಸಿದ್ಧಾಂತವನ್ನು ಬಳಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>ಗ್ರಹ ಸ್ಥಿತಿಗಳನ್ನು ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್ ಬಳಸಿ ಲೆಕ್ಕಹಾಕಲಾಗಿದೆ (ಲಾಹಿರಿ ಅಯನಾಂಶ).</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>ಕುಜ ದೋಷಕ್ಕೆ ಪರಿಹಾರೋಪಾಯಗಳು</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>ಕುಜ ದೋಷದ ದುಷ್ಪರಿಣಾಮಗಳನ್ನು ತಪ್ಪಿಸಲು ಅಥವಾ ಅವುಗಳಿಂದ ಪಾರಾಗಲು ಕೆಲವು ಮಾರ್ಗಗಳು ಇಲ್ಲಿವೆ.</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) ನಿಯಮಿತವಾಗಿ ಹನುಮಾನ್ ಚಾಲೀಸಾ ಪಠಿಸಿ. </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) ಮಂಗಳವಾರಗಳಂದು ಊಟ ಮಾಡದೆ ಉಪವಾಸ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) ಪ್ರತಿದಿನ 108 ಬಾರಿ ಗಾಯತ್ರಿ ಮಂತ್ರವನ್ನು ಜಪಿಸಿ.</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) ತುಳಸೀದಾಸರ ರಾಮಚರಿತಮಾನಸದ ಸುಂದರಕಾಂಡವನ್ನು 40 ದಿನಗಳ ಕಾಲ ಪಠಿಸಿ. ಇದನ್ನು ಒಂದು ಮಂಗಳವಾರದಂದು ಆರಂಭಿಸಿ.</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) ಕೆಂಪು ಬಣ್ಣದ ಬಟ್ಟೆಯನ್ನು ಗಣಿಗಳಲ್ಲಿ ಕೆಲಸ ಮಾಡುವವರಿಗೆ ಅಥವಾ ಕಮ್ಮಾರರಿಗೆ ದಾನ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) ವಿದ್ವಾಂಸರಾದ ವೈದಿಕ ಜ್ಯೋತಿಷಿಯೊಬ್ಬರಿಂದ ಮನೆಯಲ್ಲಿ ಹನುಮಾನ್ ಸಾಧನೆ ಮಾಡಿಸಿ.</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) ದೇವಾಲಯಗಳ ಸುತ್ತಮುತ್ತಲಿನ ಜನರಿಗೆ ಸಿಂಧೂರ, ಸಿಹಿತಿಂಡಿ ಮತ್ತು ಹಚ್ಚಿದ ತುಪ್ಪದ ದೀಪವನ್ನು ನೀಡಿ.</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>ಕುಜ ದೋಷದ ಪರಿಣಾಮಗಳು</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>ಕುಜ ದೋಷ (ಮಂಗಳ ದೋಷ) ಇತ್ತೀಚಿನ ದಿನಗಳಲ್ಲಿ ವೈದಿಕ ಜ್ಯೋತಿಷ್ಯದಲ್ಲಿ ಅತಿ ಹೆಚ್ಚು ಚರ್ಚೆಯಾಗುತ್ತಿರುವ ವಿಷಯಗಳಲ್ಲಿ ಬಹುಶಃ ಒಂದು. ಮದುವೆಗೆ ಮೊದಲು ನಿಮ್ಮ ಮತ್ತು ನಿಮ್ಮ ಭಾವೀ ಸಂಗಾತಿಯ ಜಾತಕಗಳನ್ನು ಹೊಂದಿಸಿ ನೋಡಿ, ನಿಮಗೆ ಕುಜ ದೋಷವಿದೆಯೇ ಎಂದು ಪರೀಕ್ಷಿಸುವುದು ಅತ್ಯಗತ್ಯ. ಕುಜ ಗ್ರಹವು ಈ ಯಾವುದಾದರೂ ಭಾವದಲ್ಲಿದ್ದಾಗ ವ್ಯಕ್ತಿಗೆ ಕುಜ ದೋಷ ಉಂಟಾಗುತ್ತದೆ: ಪ್ರಥಮ, ಚತುರ್ಥ, ಸಪ್ತಮ, ಅಷ್ಟಮ ಮತ್ತು ದ್ವಾದಶ. ಕುಜ ದೋಷದ ಪರಿಣಾಮಗಳು ದೀರ್ಘಕಾಲೀನ ಮತ್ತು ಮಾರಕವಾಗಿರಬಹುದು. ಖಂಡಿತವಾಗಿಯೂ, ಕುಜನ ಪ್ರಭಾವವನ್ನು ಹೆಚ್ಚಿಸುವಲ್ಲಿ ಅಥವಾ ಕಡಿಮೆ ಮಾಡುವಲ್ಲಿ ಮಹತ್ವದ ಪಾತ್ರ ವಹಿಸುವ ಇತರ ಸಂಗತಿಗಳೂ ಇವೆ, ಆದರೆ ಅವು ಎಲ್ಲರ ಜಾತಕದಲ್ಲೂ ಇರುವುದಿಲ್ಲ; ಆದ್ದರಿಂದ ಕುಜ ದೋಷದ ದುಷ್ಪರಿಣಾಮಗಳಿಗೆ ಸಿದ್ಧರಾಗಿರಿ:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) ವಿವಾಹ ಪ್ರಕ್ರಿಯೆಯಲ್ಲಿ ಅತಿಯಾದ ವಿಳಂಬ.</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) ತೊಂದರೆಗಳಿಂದ ಕೂಡಿದ ದಾಂಪತ್ಯ ಜೀವನ</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) ದಂಪತಿಗಳ ನಡುವೆ ಹೊಂದಾಣಿಕೆಯ ಕೊರತೆ.</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) ವಿಚ್ಛೇದನ.</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) ಜೀವನಸಂಗಾತಿಯ ಮರಣ.</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) ಹೆರಿಗೆಯಲ್ಲಿ ತೊಡಕುಗಳು.</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>ವಿವಾಹಕ್ಕೆ ಸಂಬಂಧಿಸಿದ ಸಮಸ್ಯೆಗಳಲ್ಲದೆ, ನಿಮ್ಮ ಜೀವನದ ವಿವಿಧ ಕ್ಷೇತ್ರಗಳಲ್ಲೂ ಸಮಸ್ಯೆಗಳು ಉಂಟಾಗಬಹುದು, ಉದಾಹರಣೆಗೆ</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) ವೃತ್ತಿಜೀವನದಲ್ಲಿ ಸಮಸ್ಯೆಗಳು, ಉದಾಹರಣೆಗೆ ವೃತ್ತಿಯ ತಡವಾದ ಆರಂಭ</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) ಶಿಕ್ಷಣದಲ್ಲಿ ಅನಿಯಮಿತತೆ</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) ಆರ್ಥಿಕ ಬಿಕ್ಕಟ್ಟು</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) ಆತಂಕ ಮತ್ತು ಒತ್ತಡ</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) ಲೈಂಗಿಕ ಅತೃಪ್ತಿ</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) ಕುಟುಂಬದೊಂದಿಗೆ ನಿರಂತರ ಘರ್ಷಣೆ</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>ಬುಧ</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>ಶುಕ್ರ</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>ಕುಜ</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>ಗುರು</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>ಶನಿ</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>ಅಯನಾಂಶ</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>ಪಾದ</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>ಅಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>ರಾಶಿ (ಚಂದ್ರ ರಾಶಿ)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>ಲಗ್ನದ ಸ್ಥಿತಿ</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>ಸೂಚನೆ: ಕುಜ ದೋಷದ ನಿವಾರಣೆಗಾಗಿ ಹೆಚ್ಚಿನ ವಿವರವಾದ ಸಮಾಲೋಚನೆಗೆ ದಯವಿಟ್ಟು ಜ್ಯೋತಿಷಿಯನ್ನು ಸಂಪರ್ಕಿಸಿ.</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>ಕುಜ ದೋಷದ ಕುರಿತು ವಿವರವಾದ ಸಲಹೆ ಮತ್ತು ಸಮಾಲೋಚನೆಗಾಗಿ Tirovane ಮುಖಪುಟಕ್ಕೆ ಭೇಟಿ ನೀಡಿ.</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>%1 ಅವರ ನಿಖರ ಜಾತಕ</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>ನಿಖರ ಜಾತಕ</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>ನಿಖರ ಎಫೆಮೆರಿಸ್ ಸೂಚನೆ</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>ನಿಖರ ಜಾತಕ ನೋಡಿ</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>ಪರಿಣಾಮ &amp;&amp; ಪರಿಹಾರೋಪಾಯ</translation>
    </message>
</context>
<context>
    <name>SignAbbreviations</name>
    <message>
        <source>Ari</source>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ವೃಷಭ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>ಮಿಥುನ</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>ಕಟಕ</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>ಕನ್ಯಾ</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>ತುಲಾ</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>ವೃಶ್ಚಿಕ</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>ಮಕರ</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>ಕುಂಭ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>ಮೀನ</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ವೃಷಭ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>ಮಿಥುನ</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>ಕಟಕ</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>ಕನ್ಯಾ</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>ತುಲಾ</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>ವೃಶ್ಚಿಕ</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>ಮಕರ</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>ಕುಂಭ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>ಮೀನ</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>ದಯವಿಟ್ಟು ಹೆಸರನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಅಂಶಗಳನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಕಲೆಗಳನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಅಂಶಗಳನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಕಲೆಗಳನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>ದಯವಿಟ್ಟು ನಗರದ ಹೆಸರನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯದ ಹೆಸರನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>ದಯವಿಟ್ಟು ದೇಶದ ಹೆಸರನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷರಗಳನ್ನು ಮಾತ್ರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>ದಯವಿಟ್ಟು ಸಂಖ್ಯೆಗಳನ್ನು ಮಾತ್ರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ದಿಕ್ಕನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ದಿಕ್ಕನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ಅಕ್ಷಾಂಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ರೇಖಾಂಶವನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕ ಅಥವಾ ತಿಂಗಳನ್ನು ನಮೂದಿಸಿ!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕ ಅಥವಾ ತಿಂಗಳನ್ನು ನಮೂದಿಸಿ !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>ಅಗತ್ಯವಿರುವ ಕಡತ ಕಾಣೆಯಾಗಿದೆ. ದಯವಿಟ್ಟು ತಂತ್ರಾಂಶವನ್ನು ಮರುಸ್ಥಾಪಿಸಿ.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>ಕೊಂಡಿ</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>ಅಲಾಸ್ಕಾ/ಹವಾಯಿ ಹಗಲು ಸಮಯ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>ಅಲಾಸ್ಕಾ/ಹವಾಯಿ ಪ್ರಮಾಣಿತ ಸಮಯ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>ಅಲಾಸ್ಕಾ/ಹವಾಯಿ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>ಅಟ್ಲಾಂಟಿಕ್ ಪ್ರಮಾಣಿತ ಸಮಯ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>ಅಟ್ಲಾಂಟಿಕ್ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ಆಸ್ಟ್ರೇಲಿಯಾದ ಕೇಂದ್ರೀಯ ಹಗಲು ಸಮಯ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ಆಸ್ಟ್ರೇಲಿಯಾದ ಕೇಂದ್ರೀಯ ಪ್ರಮಾಣಿತ ಸಮಯ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ಆಸ್ಟ್ರೇಲಿಯಾದ ಪೂರ್ವ ಹಗಲು ಸಮಯ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ಆಸ್ಟ್ರೇಲಿಯಾದ ಪೂರ್ವ ಪ್ರಮಾಣಿತ ಸಮಯ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ಆಸ್ಟ್ರೇಲಿಯಾದ ಪಶ್ಚಿಮ ಹಗಲು ಸಮಯ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ಆಸ್ಟ್ರೇಲಿಯಾದ ಪಶ್ಚಿಮ ಪ್ರಮಾಣಿತ ಸಮಯ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>ಅಜೋರ್ಸ್ ಸಮಯ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>ಬಾಗ್ದಾದ್ ಸಮಯ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ಬೇರಿಂಗ್ ಪ್ರಮಾಣಿತ ಸಮಯ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ಬ್ರೆಜಿಲ್ ವಲಯ 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ಬ್ರಿಟಿಷ್ ದ್ವಿಗುಣ ಬೇಸಿಗೆ ಸಮಯ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ಬ್ರಿಟಿಷ್ ಬೇಸಿಗೆ ಸಮಯ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ಬ್ರಿಟಿಷ್ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>ಕೇಂದ್ರೀಯ ಹಗಲು ಸಮಯ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>ಕೇಂದ್ರ ಯುರೋಪಿಯನ್ ಹಗಲು ಸಮಯ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>ಕೇಂದ್ರ ಯುರೋಪಿಯನ್ ಸಮಯ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>ಕೇಂದ್ರೀಯ ಪ್ರಮಾಣಿತ ಸಮಯ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>ಕೇಂದ್ರೀಯ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ಚೀನಾ ಕರಾವಳಿ ಸಮಯ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>ಪೂರ್ವ ಹಗಲು ಸಮಯ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>ಪೂರ್ವ ಯುರೋಪಿಯನ್ ಹಗಲು ಸಮಯ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>ಪೂರ್ವ ಯುರೋಪಿಯನ್ ಸಮಯ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>ಪೂರ್ವ ಪ್ರಮಾಣಿತ ಸಮಯ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>ಪೂರ್ವ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ಗ್ರೀನ್‌ವಿಚ್ ಸರಾಸರಿ ಸಮಯ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ಗುವಾಮ್ ಪ್ರಮಾಣಿತ ಸಮಯ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ಹವಾಯಿ ಹಗಲು ಸಮಯ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ಹವಾಯಿ ಪ್ರಮಾಣಿತ ಸಮಯ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ಹವಾಯಿ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ಭಾರತೀಯ ಸಮಯ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>ಅಂತರರಾಷ್ಟ್ರೀಯ ದಿನಾಂಕ ರೇಖೆ ಪೂರ್ವ,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>ಅಂತರರಾಷ್ಟ್ರೀಯ ದಿನಾಂಕ ರೇಖೆ ಪಶ್ಚಿಮ,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ಇರಾನ್ ಸಮಯ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ಜಪಾನ್ ಪ್ರಮಾಣಿತ ಸಮಯ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ಜಾವಾ ಸಮಯ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>ಮಧ್ಯ ಯುರೋಪಿಯನ್ ಹಗಲು ಸಮಯ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>ಮಧ್ಯ ಯುರೋಪಿಯನ್ ಸಮಯ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>ಮೊಲುಕ್ಕಾಸ್ ಸಮಯ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>ಪರ್ವತ ಪ್ರದೇಶದ ಹಗಲು ಸಮಯ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>ಪರ್ವತ ಪ್ರದೇಶದ ಪ್ರಮಾಣಿತ ಸಮಯ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>ಪರ್ವತ ಪ್ರದೇಶದ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಪ್ರಮಾಣಿತ ಬೇಸಿಗೆ ಸಮಯ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಪ್ರಮಾಣಿತ ಸಮಯ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಬೇಸಿಗೆ ಸಮಯ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ನ್ಯೂಜಿಲೆಂಡ್ ಸಮಯ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ನ್ಯೂಫೌಂಡ್‌ಲ್ಯಾಂಡ್ ಪ್ರಮಾಣಿತ ಸಮಯ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>ನೋಮ್ ಸಮಯ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ಉತ್ತರ ಸುಮಾತ್ರಾ ಸಮಯ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>ಪೆಸಿಫಿಕ್ ಹಗಲು ಸಮಯ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>ಪೆಸಿಫಿಕ್ ಪ್ರಮಾಣಿತ ಸಮಯ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>ಪೆಸಿಫಿಕ್ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಸಮಯ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಹಗಲು ಸಮಯ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>ದಕ್ಷಿಣ ಆಸ್ಟ್ರೇಲಿಯಾ ಪ್ರಮಾಣಿತ ಸಮಯ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>ದಕ್ಷಿಣ ಸುಮಾತ್ರಾ ಸಮಯ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>ಸಾರ್ವತ್ರಿಕ ಸಮಯ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>ಸೋವಿಯತ್ ಒಕ್ಕೂಟ ವಲಯ 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>ಸೋವಿಯತ್ ಒಕ್ಕೂಟ ವಲಯ 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>ಸೋವಿಯತ್ ಒಕ್ಕೂಟ ವಲಯ 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>ಸೋವಿಯತ್ ಒಕ್ಕೂಟ ವಲಯ 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>ಸೋವಿಯತ್ ಒಕ್ಕೂಟ ವಲಯ 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>ಪಶ್ಚಿಮ ಆಫ್ರಿಕಾ ಸಮಯ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ಯುಕಾನ್ ಹಗಲು ಸಮಯ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ಯುಕಾನ್ ಪ್ರಮಾಣಿತ ಸಮಯ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ಯುಕಾನ್ ಯುದ್ಧಕಾಲೀನ ಸಮಯ,YWT,-8.0</translation>
    </message>
</context>
</TS>
