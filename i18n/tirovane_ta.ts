<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane இருவருக்கு இடையிலான செவ்வாய் தோஷப் பொருத்தத்தைக் காட்டுகிறது. இருவருக்குமே செவ்வாய் தோஷம் இருந்தால், ஒருவருக்கு மட்டும் தோஷம் உள்ள நிலையைவிட அந்தப் பொருத்தம் மேலும் ஏற்றது என்று நம்பப்படுகிறது. Tirovane ஒரு கட்டற்ற மென்பொருள்; இது GNU Affero General Public License பதிப்பு 3 அல்லது அதற்குப் பிந்தைய பதிப்பின் கீழ் வழங்கப்படுகிறது.</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>இடங்கள்: GeoNames (geonames.org), CC BY 4.0. வரலாற்று நேர மண்டலங்கள்: IANA நேர மண்டலத் தரவுத்தளம்.</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane முகப்புப் பக்கத்தைப் பார்வையிடுங்கள்</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி, இணையம் வழியாகப் பணம் சம்பாதியுங்கள். உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை முழுமையாக உங்கள் வணிகப் பெயருடன் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>மத்திய லக்னம்</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (வ) </translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>House %1, sign %2, %3</source>
        <translation>பாவம் %1, ராசி %2, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>%1-ஆம் பாவத்தின் ராசி</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>ராசி %1, %2</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>Manglik</source>
        <translation>செவ்வாய் தோஷம் உள்ளவர்</translation>
    </message>
    <message>
        <source>Non Manglik, the dosha being cancelled</source>
        <translation>தோஷம் நிவர்த்தியானதால் செவ்வாய் தோஷம் இல்லாதவர்</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>செவ்வாய் தோஷம் இல்லாதவர்</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி செவ்வாய் %1 நிலையில், லக்னத்திலிருந்து %2-ஆம் பாவத்தில் உள்ளது: லக்னத்திலிருந்து கணித்த முடிவு மாறவில்லை.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி செவ்வாய் %1 நிலையில், சந்திரனிலிருந்து %2-ஆம் பாவத்தில் உள்ளது: சந்திரனிலிருந்து கணித்த முடிவு மாறவில்லை.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி செவ்வாய் %1 நிலையில், லக்னத்திலிருந்து %2-ஆம் பாவத்தில் உள்ளது: லக்னத்திலிருந்து கணித்தால் இவர் %3 ஆவார்.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி செவ்வாய் %1 நிலையில், சந்திரனிலிருந்து %2-ஆம் பாவத்தில் உள்ளது: சந்திரனிலிருந்து கணித்தால் இவர் %3 ஆவார்.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>சுவிஸ் எபிமெரிஸ் கோப்புகள் கிடைக்கவில்லை; எனவே அதன் குறைந்த துல்லியமுள்ள பகுப்பாய்வுக் கோட்பாடு பயன்படுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>துல்லியமான எபிமெரிஸால் இந்த ஜாதகத்தைக் கணிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>துல்லியமான எபிமெரிஸால் இந்த ஜாதகத்தைக் கணிக்க முடியவில்லை: %1.</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>காட்டப்பட்டுள்ள கிரக நிலைகள் இந்த நிரலின் சொந்தக் கணிப்பு முறையால் பெறப்பட்டவை.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி லக்னம் %1 நிலையில் உள்ளது, %2 ராசியில் அல்ல: லக்னத்திலிருந்து பாவங்கள் அங்கிருந்தே எண்ணப்படுகின்றன.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி சந்திரன் %1 நிலையில் உள்ளது, %2 ராசியில் அல்ல: சந்திரனிலிருந்து பாவங்கள் அங்கிருந்தே எண்ணப்படுகின்றன.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>துல்லியமான எபிமெரிஸின்படி சந்திரன் %1 நட்சத்திரத்தில் உள்ளது, %2 நட்சத்திரத்தில் அல்ல: அதனுடன் பாதமும் நட்சத்திர அதிபதியும் மாறுகின்றன.</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG ஆகச் சேமி (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane மன்றத்தில் நடைபெறும் வேத ஜோதிட விவாதத்தில் கலந்துகொள்ளுங்கள்.</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>இந்த ராசி சக்கரத்திற்கான ஆய்வை Tirovane இணையதளத்தில் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே வணிக வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி, இணையம் வழியாகப் பணம் சம்பாதியுங்கள். உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை முழுமையாக உங்கள் வணிகப் பெயருடன் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை உங்கள் வணிகப் பெயரையும் இணைத்து வழங்குங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>புதியது (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>இவ்வாறு சேமி (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>அறிக்கையை ஏற்றுமதி செய் (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>ஜாதகத்தை உரையாக ஏற்றுமதி செய் (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>நபர்கள் (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>நபர் தொகுப்பைத் திற (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>கருவிப்பட்டி (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>நிலைப்பட்டி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>சக்கர வடிவம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>வட இந்திய முறை (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>தென் இந்திய முறை (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>இந்திய ஜனன ஜாதகம் (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>பொருத்தம் (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 புள்ளிகள் (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>பத்துப் பொருத்தங்கள் (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>இரண்டும் (&amp;B)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>வண்ண வடிவம் (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>இயக்கு (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>அணை (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>ஜாதகம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>வர்க்க சக்கரங்கள் (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>ஹோரா (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>திரேக்காணம் (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>சப்தாம்சம் (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>நவாம்சம் (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>தசாம்சம் (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>துவாதசாம்சம் (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>துல்லியமான கிரக நிலைகள் (சுவிஸ் எபிமெரிஸ்) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>கருவிப்பட்டி</translation>
    </message>
    <message>
        <source>New</source>
        <translation>புதியது</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>உதவி</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane இருவருக்கு இடையிலான செவ்வாய் தோஷப் பொருத்தத்தைக் காட்டுகிறது. இருவருக்குமே செவ்வாய் தோஷம் இருந்தால், ஒருவருக்கு மட்டும் தோஷம் உள்ள நிலையைவிட அந்தப் பொருத்தம் மேலும் ஏற்றது என்று நம்பப்படுகிறது. </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த பலனைத் திற (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>விரிவான அறிவுரைக்கும் ஆலோசனைக்கும் Tirovane முகப்புப் பக்கத்தைப் பார்வையிடுங்கள்.</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை முழுமையாக உங்கள் வணிகப் பெயருடன் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை உங்கள் வணிகப் பெயரையும் இணைத்து வழங்குங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>உங்கள் தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>உங்கள் துணையின் தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>பாலினம்</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>பிறப்பு நாள்</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>பிறப்பு மாதம்</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>பிறப்பு ஆண்டு</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>பிறப்பு மணி</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>பிறப்பு நிமிடம்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகை பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகை கலை</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகை பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகை கலை</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகையை அறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>மணி/நிமிடம்</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>பாகை/கலை</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>அடுத்து (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>செவ்வாய் தோஷப் பொருத்த பலனைப் பெறு (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>உங்கள் தனிப்பட்ட விவரங்களுக்குத் திரும்பு</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>என் ராசி சக்கரத்தைப் பெறு (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>நபர்கள் (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>நபர் தொகுப்பைத் திற (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>குறிப்பிடவில்லை</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ஆண்</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>பெண்</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>பயன்படுத்திய நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>பிறந்த இடம்</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>இடங்களின் பட்டியலைப் படிக்க முடியவில்லை: %1</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 மகா தசையின் புக்திகள்</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>நவாம்சம்: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>நவாம்சமும் தசையும்</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>தசை</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>நவாம்சம்</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>வயதின்படி இருவரின் மகா தசைகள்</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>விம்சோத்தரி தசா காலங்கள்</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>தேதிகளும் வயதுகளும் ஓர் ஆண்டை 365.25 நாட்களாகக் கொண்டு கணக்கிடப்பட்டுள்ளன; வேறு ஆண்டு நீளத்தைப் பயன்படுத்தும் நிரல்கள் சில நாட்கள் வேறுபடும் தேதிகளைத் தரும்.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>நடப்பு</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>வயது (ஆண்டுகளில்)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>இன்று</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>தொடக்க வயது</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>முடிவு வயது</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>பிறப்பின்போது %1 தசை இருப்பு: %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n ஆண்டு</numerusform>
            <numerusform>%n ஆண்டுகள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n மாதம்</numerusform>
            <numerusform>%n மாதங்கள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n நாள்</numerusform>
            <numerusform>%n நாட்கள்</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 ஆ. %2 மா.</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>பிறப்புக்கு முன்</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>லக்னத்திலிருந்து செவ்வாய் %1-ஆம் பாவத்தில் உள்ளது</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>சந்திரனிலிருந்து செவ்வாய் %1-ஆம் பாவத்தில் உள்ளது</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>செவ்வாய் தோஷத்தின் சதவீதம்  %1</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>உங்கள் ஜாதகத்தில் உள்ள பிற கிரக நிலைகளால் உங்கள் செவ்வாய் தோஷம் நிவர்த்தியாகிவிட்டது. </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>இவருக்குச் செவ்வாய் தோஷம் உள்ளது</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>இவருக்குச் செவ்வாய் தோஷம் இல்லை</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>இவருக்குச் செவ்வாய் தோஷம் நிவர்த்தியாகிவிட்டது</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>உங்கள் துணை %1 அவர்களுக்குச் செவ்வாய் தோஷம் உள்ளது</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>வணக்கம் %1, உங்களுக்குச் செவ்வாய் தோஷம் உள்ளது</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>உங்கள் துணை %1 அவர்களுக்குச் செவ்வாய் தோஷம் இல்லை</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>வணக்கம் %1, உங்களுக்குச் செவ்வாய் தோஷம் இல்லை</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>உங்கள் துணை %1 அவர்களுக்குச் செவ்வாய் தோஷம் நிவர்த்தியாகிவிட்டது</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>வணக்கம் %1, உங்களுக்குச் செவ்வாய் தோஷம் நிவர்த்தியாகிவிட்டது</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>%1 ராசியில் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>இரண்டாம் பாவத்தில் %1 ராசியில் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>நான்காம் பாவத்தில் %1 ராசியில் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>ஏழாம் பாவத்தில் %1 ராசியில் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>எட்டாம் பாவத்தில் %1 ராசியில் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>பன்னிரண்டாம் பாவத்தில் %1 ராசியில் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>குருவுடன் 10°-க்குள் செவ்வாய்</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>புதனுடன் 10°-க்குள் செவ்வாய்</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>நிவர்த்தி: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>செவ்வாய் தோஷம் சமன் செய்யப்பட்டுவிட்டது.</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>உங்களுக்குச் செவ்வாய் தோஷம் இல்லை.</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>செவ்வாய் தோஷம் சமன் செய்யப்படவில்லை. மேலும் விவரங்களுக்குத் தயவுசெய்து ஒரு ஜோதிடரை அணுகவும்.</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>Varna</source>
        <translation>வர்ணம்</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>வசியம்</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>தாரை</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>யோனி</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>கிரக மைத்ரி</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>கணம்</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>பகூட்</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>நாடி</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>பிராமணர்</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>க்ஷத்திரியர்</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>வைசியர்</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>சூத்திரர்</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>நாற்கால்</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>மனிதர்</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>நீர்வாழ்வன</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>வனவிலங்கு</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>பூச்சி</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>குதிரை</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>யானை</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>ஆடு</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>பாம்பு</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>நாய்</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>பூனை</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>எலி</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>பசு</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>எருமை</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>புலி</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>மான்</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>குரங்கு</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>கீரி</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>சிங்கம்</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>தேவ கணம்</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>மனுஷ்ய கணம்</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>ராட்சஸ கணம்</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>ஆதி</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>மத்தியம்</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>அந்தியம்</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 புள்ளிப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>நாடி தோஷம்: இல்லை</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>பகூட் தோஷம்: இல்லை</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>நாடி தோஷம்: உண்டு</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>பகூட் தோஷம்: உண்டு</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>நாடி தோஷம்: நிவர்த்தி</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>பகூட் தோஷம்: நிவர்த்தி</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>பரிந்துரைக்கப்படவில்லை: 36-இல் 18-க்கும் குறைவான புள்ளிகள்</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>ஏற்கத்தக்க பொருத்தம்</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>நல்ல பொருத்தம்</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>சிறந்த பொருத்தம்</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>முதல் நபரை மணமகன் தரப்பிலும் துணையை மணமகள் தரப்பிலும் வைத்துப் புள்ளிகள் கணக்கிடப்பட்டுள்ளன.</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>துணையை மணமகன் தரப்பிலும் முதல் நபரை மணமகள் தரப்பிலும் வைத்துப் புள்ளிகள் கணக்கிடப்பட்டுள்ளன.</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>கூடம்</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>முதல் நபர்</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>துணை</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>புள்ளிகள்</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>அதிகபட்சம்</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>மொத்தப் புள்ளிகள்</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>பொருத்த முடிவு</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>நாடி தோஷம்</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>பகூட் தோஷம்</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பார்வையிடு (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருளைப் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை அளி (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>நன்கொடை அளி</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>இந்தக் கோப்பின் நகல்கள் மிக அதிகமாக உள்ளன  %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> புதிய  கோப்பை  உருவாக்க  முடியவில்லை%1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>படத்தை %1 என்ற கோப்பில் எழுத முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>படத்தை %1 என்ற பெயரில் சேமிக்க முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>அச்சுப்பொறியைத் தொடங்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane பலன் (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>%1 என்ற கோப்பை எழுத முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>மூலக் கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>தயவுசெய்து கோப்பைச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>%1 என்ற கோப்பைத் திறக்க முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>நபர் தொகுப்பைத் திற</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>நபர் தொகுப்பு (*.sqlite)|*.sqlite</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG படம் (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>சேமிக்க வேண்டிய உரைக் கோப்பைத் தேர்ந்தெடுக்கவும் </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>ஜாதகம் உரையாக (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF அறிக்கை (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>அறிக்கையை உருவாக்க முடியவில்லை.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Aswini</source>
        <translation>அஸ்வினி</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>பரணி</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>கிருத்திகை</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>ரோகிணி</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>மிருகசீரிஷம்</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>திருவாதிரை</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>புனர்பூசம்</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>பூசம்</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>ஆயில்யம்</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>மகம்</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>பூரம்</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>உத்திரம்</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>ஹஸ்தம்</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>சித்திரை</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>சுவாதி</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>விசாகம்</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>அனுஷம்</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>கேட்டை</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>மூலம்</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>பூராடம்</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>உத்திராடம்</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>திருவோணம்</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>அவிட்டம்</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>சதயம்</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>பூரட்டாதி</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>உத்திரட்டாதி</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>ரேவதி</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>There is no people library at %1.</source>
        <translation>%1 என்ற இடத்தில் நபர் தொகுப்பு எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 ஒரு நபர் தொகுப்பு அல்ல; அது இருந்தபடியே விடப்பட்டது.</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>%1 என்ற நபர் தொகுப்பு Tirovane நிரலின் புதிய பதிப்பால் எழுதப்பட்டது.</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>%1 என்ற நபர் தொகுப்பை மாற்ற முடியாது: அதைப் படிக்க மட்டுமே முடியும்.</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>%1 என்ற நபர் தொகுப்பை வேறொரு நிரல் பயன்படுத்துகிறது; சிறிது நேரம் கழித்து மீண்டும் முயலவும்.</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>தொகுப்பில் அப்படி ஒரு நபர் இல்லை.</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>%1 என்ற நபர் தொகுப்பைப் பயன்படுத்த முடியவில்லை: %2.</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>தொகுப்பில் Id %1 கொண்ட நபர் எவரும் இல்லை.</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 ஏற்கெனவே தொகுப்பில் உள்ளார் (Id %2).</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>எதுவும் இறக்குமதி செய்யப்படவில்லை: %n வரி தவறானது.</numerusform>
            <numerusform>எதுவும் இறக்குமதி செய்யப்படவில்லை: %n வரிகள் தவறானவை.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>பாலினம்</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>புள்ளிகள்</translation>
    </message>
    <message>
        <source>Nadi Dosha</source>
        <translation>நாடி தோஷம்</translation>
    </message>
    <message>
        <source>Bhakoot Dosha</source>
        <translation>பகூட் தோஷம்</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Porutham Verdict</source>
        <translation>பொருத்த முடிவு</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>ரஜ்ஜு</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>செவ்வாய் தோஷ நிலை</translation>
    </message>
    <message>
        <source>None</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>உண்டு</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>நிவர்த்தி</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ஆண்</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>பெண்</translation>
    </message>
    <message>
        <source>Dosha</source>
        <translation>தோஷம்</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>பொருந்தும்</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>சாதகம்</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>சாதகமில்லை</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>%1 அவர்களுக்கான பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>குறைந்தபட்சப் புள்ளி (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>குறைந்தபட்சப் புள்ளி</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>நாடி, பகூட், ரஜ்ஜு தோஷம் உள்ளவர்களை மறை (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>வரன்கள், சிறந்த பொருத்தம் முதலில்</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>ஒவ்வொரு மொத்தத்தையும் எட்டுவோர் எண்ணிக்கை</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV ஏற்றுமதி (&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF ஏற்றுமதி (&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>காட்டப்படும் வரன்கள்: %2-இல் %1</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>தரவரிசையை ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV கோப்பு (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF கோப்பு (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF கோப்பை உருவாக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>People</source>
        <translation>நபர்கள்</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>தேடு (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>பெயர் அல்லது இடம், எந்த எழுத்துமுறையிலும்</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>தேடு</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>தொகுப்பில் உள்ள நபர்கள்</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>முதல் நபராகப் பயன்படுத்து (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>துணையாகப் பயன்படுத்து (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>அனைவருடனும் பொருத்து (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>திருத்து (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>நீக்கு (&amp;D)…</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>உங்கள் விவரங்களைச் சேர் (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>துணையின் விவரங்களைச் சேர் (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>இறக்குமதி (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>ஏற்றுமதி (&amp;X)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>காட்டப்படும் நபர்கள்: %1 (தொகுப்பில் %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1 அவர்களைத் தொகுப்பிலிருந்து நீக்கவா?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>நபர்களை இறக்குமதி செய்</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>நபர்கள் (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>நபர்களை இறக்குமதி செய்கிறது…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>வரி %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>கோப்பின் %n வரியை இறக்குமதி செய்ய முடியாது.</numerusform>
            <numerusform>கோப்பின் %n வரிகளை இறக்குமதி செய்ய முடியாது.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>மற்ற வரிகளை மட்டும் இறக்குமதி செய்யவா?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>சேர்க்கப்பட்டவர்கள்: %1. ஏற்கெனவே தொகுப்பில் உள்ளவர்கள்: %2.</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>நபர்களை ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV கோப்பு (*.csv)|*.csv|JSON வரிகள் (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>நபரைத் திருத்து</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>குறிப்பிடவில்லை</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>பெயர் (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>பாலினம் (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>குறிப்புகள் (&amp;O):</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>ஊரின் பெயரைத் தட்டச்சு செய்து, பட்டியலிலிருந்து தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>பிறந்த இடம்</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>பிறந்த ஊரின் பெயரைத் தட்டச்சு செய்து பட்டியலிலிருந்து தேர்ந்தெடுக்கவும்: நகரம், மாநிலம், நாடு, அட்சரேகை, தீர்க்கரேகை, நேர மண்டலம், பகலொளி சேமிப்பு ஆகியவை தானாக நிரப்பப்படும்.</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>பொருந்தும் இடங்கள்</translation>
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
        <translation>ஒரு நிமிடத்திற்கும் குறைவு</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 நிமிடம்</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 நிமிடங்கள்</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3 அன்று %2: நிலையான நேரம்</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3 அன்று %2: பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3 அன்று %2: போர்க்கால நேரம்</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3 அன்று %2: உள்ளூர் சராசரி நேரம்</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%2 அன்று %1 என்ற நேரம் %3 மண்டலத்தில் இருக்கவில்லை: கடிகாரங்கள் %4 என்பதிலிருந்து %5 என முன்னோக்கி நகர்த்தப்பட்டன; இது %4 எனக் கொள்ளப்பட்டது.</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%2 அன்று %1 என்ற நேரம் %3 மண்டலத்தில் இருமுறை வந்தது (%4, பிறகு %5); முதலாவது கொள்ளப்பட்டது.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>பட்டியலில் உள்ள எந்த நேர மண்டலத்திற்கும் %1 என்ற நேர வேறுபாடு இல்லை: &quot;%2&quot; என்பதைக் கொண்டால் பிறப்புக் கணம் %3 தாமதமாக அமையும்.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>பட்டியலில் உள்ள எந்த நேர மண்டலத்திற்கும் %1 என்ற நேர வேறுபாடு இல்லை: &quot;%2&quot; என்பதைக் கொண்டால் பிறப்புக் கணம் %3 முன்னதாக அமையும்.</translation>
    </message>
</context>
<context>
    <name>Porutham</name>
    <message>
        <source>Dina</source>
        <translation>தினம்</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>கணம்</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>மகேந்திரம்</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>ஸ்திரீ தீர்க்கம்</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>யோனி</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>ராசி அதிபதி</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>வசியம்</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>ரஜ்ஜு</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>வேதை</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>பத்துப் பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>ஊரு</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>உதரம்</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>கண்டம்</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>சிரசு</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>இருவரும் சிரசு ரஜ்ஜுவில் உள்ளனர்: கணவருக்கு ஆபத்து.</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>இருவரும் கண்ட ரஜ்ஜுவில் உள்ளனர்: மனைவிக்கு ஆபத்து.</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>இருவரும் உதர ரஜ்ஜுவில் உள்ளனர்: குழந்தைகளுக்கு ஆபத்து.</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>இருவரும் ஊரு ரஜ்ஜுவில் உள்ளனர்: வறுமை.</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>இருவரும் பாத ரஜ்ஜுவில் உள்ளனர்: அலைச்சல்.</translation>
    </message>
    <message>
        <source>Uttamam</source>
        <translation>உத்தமம்</translation>
    </message>
    <message>
        <source>Madhyamam</source>
        <translation>மத்திமம்</translation>
    </message>
    <message>
        <source>Adhamam</source>
        <translation>அதமம்</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is good when shared.</source>
        <translation>இருவரும் %1 நட்சத்திரத்தில் பிறந்தவர்கள்; இந்த நட்சத்திரம் இருவருக்கும் ஒன்றாக இருப்பது நல்லது.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>இருவரும் %1 நட்சத்திரத்தில் பிறந்தவர்கள்; இந்த நட்சத்திரம் இருவருக்கும் ஒன்றாக இருப்பது ஓரளவு நல்லது.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>இருவரும் %1 நட்சத்திரத்தில் பிறந்தவர்கள்; இந்த நட்சத்திரம் இருவருக்கும் ஒன்றாக இருப்பது நல்லதல்ல.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>மணமகள் நட்சத்திரத்திலிருந்து மணமகன் நட்சத்திரம் வரை எண்ணிக்கை: %1.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>மணமகள் நட்சத்திரத்திலிருந்து மணமகன் நட்சத்திரம் வரை எண்ணிக்கை: %1; மணமகனின் பாதம் %2.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>மணமகள் நட்சத்திரத்திலிருந்து மணமகன் நட்சத்திரம் வரை எண்ணிக்கை: 27, ஒரே ராசிக்குள்.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>மணமகள் நட்சத்திரத்திலிருந்து மணமகன் நட்சத்திரம் வரை எண்ணிக்கை: 27, இரண்டு ராசிகளில்.</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>மணமகன் %1, மணமகள் %2.</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>இருவருக்கும் %1 யோனி.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>மணமகனின் யோனி %1, மணமகளின் யோனி %2: இவை ஒன்றுக்கொன்று பகை.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>மணமகனின் யோனி %1, மணமகளின் யோனி %2: இவை ஒன்றுக்கொன்று பகை அல்ல.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>மணமகள் ராசியிலிருந்து மணமகன் ராசி வரை எண்ணிக்கை: %1.</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>இருவரும் %1 ராசியில் உள்ளனர்; மணமகனின் நட்சத்திரம் முதலில் வருகிறது.</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>இருவரும் %1 ராசியில் உள்ளனர்; மணமகளின் நட்சத்திரம் முதலில் வருகிறது.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>இருவரும் %1 நட்சத்திரத்தில் பிறந்தவர்கள்; மணமகனின் பாதம் (%2) மணமகளின் பாதத்தை (%3) விடக் குறைவு.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>இருவரும் %1 நட்சத்திரத்தில் பிறந்தவர்கள்; மணமகனின் பாதம் (%2) மணமகளின் பாதத்தை (%3) விடக் குறைவு அல்ல.</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>இரு ராசிகளுக்கும் அதிபதி %1.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>அதிபதிகள் %1, %2: ஒருவருக்கொருவர் நட்பு.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>அதிபதிகள் %1, %2: ஒருவர் மற்றவருக்குப் பகை.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>அதிபதிகள் %1, %2: நட்பும் அல்ல, பகையும் அல்ல.</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>மணமகனின் %1 ராசி மணமகளின் %2 ராசிக்கு வசியம்.</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>மணமகளின் %1 ராசி மணமகனின் %2 ராசிக்கு வசியம்.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1, %2 ஆகிய ராசிகளில் எதுவும் மற்றதற்கு வசியம் அல்ல.</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>வெவ்வேறு ரஜ்ஜு: மணமகனுக்கு %1, மணமகளுக்கு %2.</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1, %2 ஆகிய நட்சத்திரங்கள் ஒன்றையொன்று தடுக்கின்றன (வேதை).</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1, %2 ஆகிய நட்சத்திரங்கள் ஒன்றையொன்று தடுப்பதில்லை.</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>பொருந்திய பொருத்தங்கள்: 10-இல் %1</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>மதிப்பெண்: 10-இல் %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>முடிவு: உத்தமம்</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>முடிவு: மத்திமம்</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>முடிவு: அதமம்</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>தோஷங்கள்: இல்லை</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>தோஷங்கள்: ரஜ்ஜு, வேதை</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>தோஷங்கள்: ரஜ்ஜு</translation>
    </message>
    <message>
        <source>Doshas: Vedha</source>
        <translation>தோஷங்கள்: வேதை</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>பொருத்தம்</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>தரம்</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>காரணம்</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Matching poruthams</source>
        <translation>பொருந்திய பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>பொருத்த மதிப்பெண்</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>பொருத்த முடிவு</translation>
    </message>
    <message>
        <source>Porutham doshas</source>
        <translation>பொருத்த தோஷங்கள்</translation>
    </message>
</context>
<context>
    <name>PreciseChart</name>
    <message>
        <source>Swiss Ephemeris, Lahiri ayanamsa, apparent positions</source>
        <translation>சுவிஸ் எபிமெரிஸ், லாஹிரி அயனாம்சம், தோற்ற நிலைகள்</translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation>அயனாம்சம்: %1</translation>
    </message>
    <message>
        <source>Lagna / Asc: %1 (%2)</source>
        <translation>லக்னம்: %1 (%2)</translation>
    </message>
    <message>
        <source>Nakshatra: %1, pada %2, lord %3</source>
        <translation>நட்சத்திரம்: %1, பாதம் %2, அதிபதி %3</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign: %1</source>
        <translation>ராசி (சந்திர ராசி): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>லக்னத்திலிருந்து செவ்வாய் %1-ஆம் பாவத்தில்: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>சந்திரனிலிருந்து செவ்வாய் %1-ஆம் பாவத்தில்: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>கோப்புறை</translation>
    </message>
    <message>
        <source>File</source>
        <translation>கோப்பு</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>இதில் பார்:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>கோப்பின் பெயர் (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>கோப்பு வகை:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>மேல் கோப்புறை</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>புதிய கோப்புறையை உருவாக்கு</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>பட்டியல் காட்சி</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>விவரக் காட்சி</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>முன்னோக்கி</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>சமீபத்திய இடங்கள்</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>தேர்ந்தெடு (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>மறைந்த கோப்புகளைக் காட்டு (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>மறுபெயரிடு (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>மாற்றிய தேதி</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>அளவு</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>கணினி</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>அடுத்த பக்கம்</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>முந்தைய பக்கம்</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>முதல் பக்கம்</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>கடைசிப் பக்கம்</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>அகலத்திற்குப் பொருத்து</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>பக்கத்திற்குப் பொருத்து</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>பெரிதாக்கு</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>சிறிதாக்கு</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>ஒற்றைப் பக்கத்தைக் காட்டு</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>எதிரெதிர்ப் பக்கங்களைக் காட்டு</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>அனைத்துப் பக்கங்களின் மேலோட்டத்தைக் காட்டு</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>பக்க அமைப்பு</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>அச்சு முன்னோட்டம்</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>இடப்புறம் உருட்டு</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>வலப்புறம் உருட்டு</translation>
    </message>
</context>
<context>
    <name>Rashis</name>
    <message>
        <source>Mesha</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>மீனம்</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>மத்திய லக்னம்</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute South</source>
        <translation>அட்சரேகை: %1 பாகை %2 கலை தெற்கு</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute North</source>
        <translation>அட்சரேகை: %1 பாகை %2 கலை வடக்கு</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute East</source>
        <translation>தீர்க்கரேகை: %1 பாகை %2 கலை கிழக்கு</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>தீர்க்கரேகை: %1 பாகை %2 கலை மேற்கு</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>நேர மண்டலம்: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>பகலொளி சேமிப்பு: ஆம்</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>பகலொளி சேமிப்பு: இல்லை</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>கிரக நிலைகள் Tirovane நிரலின் சொந்த எபிமெரிஸிலிருந்து (லாஹிரி அயனாம்சம்).</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>%2 %1 %3 அன்று %4 மணிக்கு உருவாக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>செவ்வாய் தோஷப் பொருத்த பலன்</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>பக்கம் %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 மற்றும் %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>விளைவுகள் &amp; பரிகாரங்கள்</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>உங்கள் விவரங்கள்</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>உங்கள் துணையின் விவரங்கள்</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>சந்திர ராசி</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>வேத ஜோதிட கிரக நிலை</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>பிற வேத ஜோதிட விவரங்கள்</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>செவ்வாய் தோஷ விளக்கம்</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>செவ்வாய் தோஷப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>லக்னத்திலிருந்து செவ்வாய் தோஷ விளக்கம்</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>சந்திரனிலிருந்து செவ்வாய் தோஷ விளக்கம்</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>பெயர்: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>பிறந்த தேதி: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>பிறந்த நேரம்: %1 மணி %2 நிமிடம் </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>அட்சரேகை: %1 பாகை %2 கலை</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>தீர்க்கரேகை: %1 பாகை %2 கலை</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>நகரம்: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>மாநிலம்: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>நாடு: %1</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa). The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>கிரக நிலைகள் சுவிஸ் எபிமெரிஸிலிருந்து (லாஹிரி அயனாம்சம்). சுவிஸ் எபிமெரிஸ் கோப்புகள் கிடைக்கவில்லை; எனவே அதன் குறைந்த துல்லியமுள்ள பகுப்பாய்வுக் கோட்பாடு பயன்படுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>கிரக நிலைகள் சுவிஸ் எபிமெரிஸிலிருந்து (லாஹிரி அயனாம்சம்).</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>செவ்வாய் தோஷப் பரிகாரங்கள்</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>செவ்வாய் தோஷத்தின் தீய விளைவுகளைத் தவிர்க்கவோ அவற்றிலிருந்து விடுபடவோ சில வழிகள் இங்கே உள்ளன.</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) ஹனுமான் சாலிசாவைத் தவறாமல் பாராயணம் செய்யுங்கள். </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) செவ்வாய்க்கிழமைகளில் உணவு உண்ணாமல் விரதம் இருங்கள்.</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) தினமும் 108 முறை காயத்ரி மந்திரத்தை ஜபியுங்கள்.</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) துளசிதாசரின் ராமசரிதமானஸில் உள்ள சுந்தர காண்டத்தை 40 நாட்கள் பாராயணம் செய்யுங்கள். ஒரு செவ்வாய்க்கிழமை அன்று தொடங்குங்கள்.</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) சிவப்பு நிறத் துணியைச் சுரங்கங்களில் வேலை செய்பவர்களுக்கோ கொல்லர்களுக்கோ தானமாக வழங்குங்கள்.</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) கற்றறிந்த வேத ஜோதிடர் ஒருவரைக் கொண்டு வீட்டில் ஹனுமான் சாதனா வழிபாடு செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) கோயில்களைச் சுற்றியுள்ள மக்களுக்குச் சிந்தூரம், இனிப்புகள், ஏற்றிய நெய் விளக்கு ஆகியவற்றை வழங்குங்கள்.</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>செவ்வாய் தோஷத்தின் விளைவுகள்</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>செவ்வாய் தோஷம் (மங்கள தோஷம், குஜ தோஷம்) அண்மைக் காலத்தில் வேத ஜோதிடத்தில் மிக அதிகமாகப் பேசப்படும் தலைப்புகளில் ஒன்றாக இருக்கலாம். திருமணத்திற்கு முன், உங்கள் ஜாதகத்தையும் நீங்கள் மணக்கவிருப்பவரின் ஜாதகத்தையும் பொருத்திப் பார்த்து, உங்களுக்குச் செவ்வாய் தோஷம் உள்ளதா என்று சோதிப்பது மிகவும் அவசியம். பின்வரும் பாவங்களில் ஏதேனும் ஒன்றில் செவ்வாய் கிரகம் அமர்ந்திருக்கும்போது ஒருவருக்குச் செவ்வாய் தோஷம் ஏற்படுகிறது: முதல், நான்காம், ஏழாம், எட்டாம், பன்னிரண்டாம் பாவம். செவ்வாய் தோஷத்தின் விளைவுகள் நீண்டகாலம் நீடிப்பவையாகவும் மிகக் கடுமையானவையாகவும் இருக்கலாம். நிச்சயமாக, செவ்வாயின் தாக்கத்தைக் கூட்டுவதிலும் குறைப்பதிலும் பெரும் பங்கு வகிக்கும் பிற அம்சங்களும் உள்ளன; ஆனால் அவை எல்லோருடைய ஜாதகத்திலும் இருப்பதில்லை. எனவே செவ்வாய் தோஷத்தின் தீய விளைவுகளுக்குத் தயாராக இருங்கள்:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) திருமண ஏற்பாடுகளில் மிகுந்த தாமதம்.</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) சிக்கல்கள் நிறைந்த மண வாழ்க்கை</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) கணவன் மனைவியிடையே ஒற்றுமையின்மை.</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) விவாகரத்து.</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) வாழ்க்கைத் துணையின் மரணம்.</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) பிரசவத்தில் சிக்கல்கள்.</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>திருமணம் தொடர்பான பிரச்சினைகள் மட்டுமின்றி, உங்கள் வாழ்க்கையின் பல்வேறு துறைகளிலும் பிரச்சினைகள் எழக்கூடும், எடுத்துக்காட்டாக</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) பணி வாழ்க்கையில் பிரச்சினைகள், எடுத்துக்காட்டாகத் தொழில் வாழ்க்கை தாமதமாகத் தொடங்குதல்</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) கல்வியில் தடங்கல்கள்</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) பொருளாதார நெருக்கடி</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) பதற்றமும் மன அழுத்தமும்</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) தாம்பத்திய அதிருப்தி</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) குடும்பத்தினருடன் தொடர்ந்து மோதல்</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>ராசி (சந்திர ராசி)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>லக்ன நிலை</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>பின்குறிப்பு: செவ்வாய் தோஷப் பரிகாரம் குறித்த விரிவான ஆலோசனைக்குத் தயவுசெய்து ஒரு ஜோதிடரை அணுகவும்.</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>செவ்வாய் தோஷம் குறித்த விரிவான அறிவுரைக்கும் ஆலோசனைக்கும் Tirovane முகப்புப் பக்கத்தைப் பார்வையிடுங்கள்.</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>%1 அவர்களின் துல்லிய ஜாதகம்</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>துல்லிய ஜாதகம்</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>துல்லிய எபிமெரிஸ் அறிவிப்பு</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>துல்லிய ஜாதகத்தைக் காண்க</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>விளைவுகள் &amp;&amp; பரிகாரங்கள்</translation>
    </message>
</context>
<context>
    <name>SignAbbreviations</name>
    <message>
        <source>Ari</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>மீனம்</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>மீனம்</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>தயவுசெய்து பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>தயவுசெய்து அட்சரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>தயவுசெய்து அட்சரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>தயவுசெய்து தீர்க்கரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>தயவுசெய்து தீர்க்கரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>தயவுசெய்து நகரத்தின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>தயவுசெய்து மாநிலத்தின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>தயவுசெய்து நாட்டின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>தயவுசெய்து எழுத்துகளை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>தயவுசெய்து எண்களை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>தயவுசெய்து அட்சரேகையின் திசையைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>தயவுசெய்து தீர்க்கரேகையின் திசையைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>தயவுசெய்து சரியான அட்சரேகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>தயவுசெய்து சரியான தீர்க்கரேகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>தயவுசெய்து சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>தயவுசெய்து சரியான தேதி அல்லது மாதத்தை உள்ளிடவும் !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>தேவையான கோப்பு காணப்படவில்லை. தயவுசெய்து மென்பொருளை மீண்டும் நிறுவவும்.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>இணைப்பு</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் பகலொளி நேரம்,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>அலாஸ்கா/ஹவாய் நிலையான நேரம்,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>அலாஸ்கா/ஹவாய் போர்க்கால நேரம்,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>அட்லாண்டிக் நிலையான நேரம்,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>அட்லாண்டிக் போர்க்கால நேரம்,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ஆஸ்திரேலிய மத்திய பகலொளி நேரம்,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ஆஸ்திரேலிய மத்திய நிலையான நேரம்,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ஆஸ்திரேலிய கிழக்கத்திய பகலொளி நேரம்,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ஆஸ்திரேலிய கிழக்கத்திய நிலையான நேரம்,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ஆஸ்திரேலிய மேற்கத்திய பகலொளி நேரம்,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ஆஸ்திரேலிய மேற்கத்திய நிலையான நேரம்,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>அசோர்ஸ் நேரம், AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>பாக்தாத் நேரம், BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>பெரிங் நிலையான நேரம்,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>பிரேசில் மண்டலம் 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>பிரிட்டிஷ் இரட்டைக் கோடை நேரம்,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>பிரிட்டிஷ் கோடை நேரம்,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>பிரிட்டிஷ் போர்க்கால நேரம்,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>மத்திய பகலொளி நேரம்,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>மத்திய ஐரோப்பிய பகலொளி நேரம்,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>மத்திய ஐரோப்பிய நேரம்,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>மத்திய நிலையான நேரம்,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>மத்திய போர்க்கால நேரம்,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>சீனக் கடலோர நேரம்,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>கிழக்கத்திய பகலொளி நேரம்,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>கிழக்கத்திய ஐரோப்பிய பகலொளி நேரம்,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>கிழக்கத்திய ஐரோப்பிய நேரம்,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>கிழக்கத்திய நிலையான நேரம்,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>கிழக்கத்திய போர்க்கால நேரம்,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>கிரீன்விச் சராசரி நேரம்,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>குவாம் நிலையான நேரம்,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ஹவாய் பகலொளி நேரம்,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ஹவாய் நிலையான நேரம்,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ஹவாய் போர்க்கால நேரம்,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>இந்திய நேரம், IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>சர்வதேசத் தேதிக் கோடு கிழக்கு,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>சர்வதேசத் தேதிக் கோடு மேற்கு,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ஈரான் நேரம், IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ஜப்பான் நிலையான நேரம்,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ஜாவா நேரம், JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>மைய ஐரோப்பிய பகலொளி நேரம்,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>மைய ஐரோப்பிய நேரம்,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>மொலுக்காஸ் நேரம், MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>மவுண்டன் பகலொளி நேரம்,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>மவுண்டன் நிலையான நேரம்,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>மவுண்டன் போர்க்கால நேரம்,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>நியூசிலாந்து நிலையான கோடை நேரம்,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>நியூசிலாந்து நிலையான நேரம்,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>நியூசிலாந்து கோடை நேரம்,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>நியூசிலாந்து நேரம்,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>நியூஃபவுண்ட்லாந்து நிலையான நேரம்,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>நோம் நேரம், NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>வடக்கு சுமத்ரா நேரம்,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>பசிபிக் பகலொளி நேரம்,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>பசிபிக் நிலையான நேரம்,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>பசிபிக் போர்க்கால நேரம்,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய பகலொளி நேரம்,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய பகலொளி நேரம்,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய நிலையான நேரம்,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>தெற்கு ஆஸ்திரேலிய நிலையான நேரம்,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>தெற்கு சுமத்ரா நேரம்,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>உலக நேரம், UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>சோவியத் ஒன்றிய மண்டலம் 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>மேற்கு ஆப்பிரிக்க நேரம்,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>யூகான் பகலொளி நேரம்,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>யூகான் நிலையான நேரம்,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>யூகான் போர்க்கால நேரம்,YWT,-8.0</translation>
    </message>
</context>
</TS>
