<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane ఇద్దరు వ్యక్తుల మధ్య కుజ దోష అనుకూలతను చూపుతుంది. భాగస్వాములు ఇద్దరికీ కుజ దోషం ఉంటే, ఒకరికి మాత్రమే ఉన్నప్పటి కంటే ఆ పొంతన మరింత తగినదని నమ్మకం. Tirovane అనేది GNU Affero General Public License, సంస్కరణ 3 లేదా ఆ తర్వాతి ఏదైనా సంస్కరణ కింద లభించే స్వేచ్ఛా సాఫ్ట్‌వేర్.</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>ప్రదేశాలు: GeoNames (geonames.org), CC BY 4.0. చారిత్రక సమయ మండలి వివరాలు: IANA సమయ మండలి డేటాబేస్.</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane హోమ్ పేజీని సందర్శించండి</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ఇంటి నుండే వ్యాపార అవకాశం. మీ సొంత ఇంటర్నెట్ వ్యాపారాన్ని ప్రారంభించి ఆన్‌లైన్‌లో డబ్బు సంపాదించండి. మీ వెబ్‌సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ బ్రాండ్‌తో పొందండి.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>మరిన్ని వివరాల కోసం ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Sun</source>
        <translation>రవి</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>చంద్ర</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>బుధ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>శుక్ర</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>కుజ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>గురు</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>శని</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>రాహు</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>కేతు</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>దశమ లగ్నం</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>రవి</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>చంద్ర</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>బుధ</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>శుక్ర</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>కుజ</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>గురు</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>శని</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (వ) </translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>House %1, sign %2, %3</source>
        <translation>%1వ భావం, %2వ రాశి, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>%1వ భావ రాశి</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>%1వ రాశి, %2</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>Manglik</source>
        <translation>కుజ దోషం ఉంది</translation>
    </message>
    <message>
        <source>Non Manglik, the dosha being cancelled</source>
        <translation>దోష భంగం వల్ల కుజ దోషం లేదు</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>కుజ దోషం లేదు</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం కుజుడు %1 వద్ద, అంటే లగ్నం నుండి %2వ భావంలో ఉన్నాడు: లగ్నం నుండి నిర్ణయం మారదు.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం కుజుడు %1 వద్ద, అంటే చంద్రుని నుండి %2వ భావంలో ఉన్నాడు: చంద్రుని నుండి నిర్ణయం మారదు.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం కుజుడు %1 వద్ద, అంటే లగ్నం నుండి %2వ భావంలో ఉన్నాడు: లగ్నం నుండి చూస్తే ఈ వ్యక్తి ఫలితం: %3.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం కుజుడు %1 వద్ద, అంటే చంద్రుని నుండి %2వ భావంలో ఉన్నాడు: చంద్రుని నుండి చూస్తే ఈ వ్యక్తి ఫలితం: %3.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>స్విస్ ఎఫెమెరిస్ ఫైళ్లు కనబడలేదు, కనుక దానిలోని, తక్కువ కచ్చితత్వం గల విశ్లేషణాత్మక సిద్ధాంతాన్ని ఉపయోగించడం జరిగింది.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ఈ చక్రాన్ని లెక్కించలేకపోయింది.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ఈ చక్రాన్ని లెక్కించలేకపోయింది: %1.</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>చూపిన గ్రహ స్థితులు Tirovane సొంత గణన విధానంతో లెక్కించినవి.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం లగ్నం %1 వద్ద ఉంది, %2లో కాదు: లగ్నం నుండి భావాలను అక్కడి నుండే లెక్కిస్తారు.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం చంద్రుడు %1 వద్ద ఉన్నాడు, %2లో కాదు: చంద్రుని నుండి భావాలను అక్కడి నుండే లెక్కిస్తారు.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ ప్రకారం చంద్రుడు %1 నక్షత్రంలో ఉన్నాడు, %2లో కాదు: దానితో పాటు పాదం, అధిపతి కూడా మారతాయి.</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>సేవ్ చేయండి (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>వెనుకకు (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>నిష్క్రమించండి (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG రూపంలో సేవ్ చేయండి (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane ఫోరమ్‌లో వైదిక జ్యోతిష్యంపై జరిగే చర్చలో పాల్గొనండి.</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>ఈ రాశి చక్రానికి Tirovane వెబ్‌సైట్‌లో విశ్లేషణ పొందండి.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ఇంటి నుండే వ్యాపార అవకాశం. మీ సొంత ఇంటర్నెట్ వ్యాపారాన్ని ప్రారంభించి ఆన్‌లైన్‌లో డబ్బు సంపాదించండి. మీ వెబ్‌సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ బ్రాండ్‌తో పొందండి. మరిన్ని వివరాల కోసం ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>మీ సొంత వెబ్‌సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను సహ-బ్రాండ్ చేయండి. మరిన్ని వివరాల కోసం ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ఫైల్ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>కొత్తది (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>ఇలా సేవ్ చేయండి (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>నివేదికను ఎగుమతి చేయండి (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>చక్రాన్ని టెక్స్ట్‌గా ఎగుమతి చేయండి (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ప్రింట్ చేయండి (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>వ్యక్తులు (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>వ్యక్తుల జాబితాను తెరవండి (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>వీక్షణ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>సాధనాల పట్టీ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>స్థితి పట్టీ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>చక్ర శైలి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>ఉత్తర భారత శైలి (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>దక్షిణ భారత శైలి (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>భారతీయ జన్మ చక్రం (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>పొంతన (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 గుణాలు (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>పది పొంతనలు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>రెండూ (&amp;B)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>రంగుల శైలి (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>ఆన్ (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>ఆఫ్ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>చక్రం (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>వర్గ చక్రాలు (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>హోర (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>ద్రేక్కాణ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>సప్తాంశ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>నవాంశ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>దశాంశ (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>ద్వాదశాంశ (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>కచ్చితమైన గ్రహ స్థితులు (స్విస్ ఎఫెమెరిస్) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>భాష (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>సాధనాల పట్టీ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>కొత్తది</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>సేవ్ చేయండి</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ప్రింట్ చేయండి</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>సహాయం</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane ఇద్దరు వ్యక్తుల మధ్య కుజ దోష అనుకూలతను చూపుతుంది. భాగస్వాములు ఇద్దరికీ కుజ దోషం ఉంటే, ఒకరికి మాత్రమే ఉన్నప్పటి కంటే ఆ పొంతన మరింత తగినదని నమ్మకం. </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>గతంలో సేవ్ చేసిన ఫలితాన్ని తెరవండి (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>వివరమైన సలహా, సంప్రదింపుల కోసం Tirovane హోమ్ పేజీని సందర్శించండి.</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>మీ వెబ్‌సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను పూర్తిగా మీ బ్రాండ్‌తో పొందండి. మరిన్ని వివరాల కోసం ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>మీ సొంత వెబ్‌సైట్ కోసం ఈ సాఫ్ట్‌వేర్‌ను సహ-బ్రాండ్ చేయండి. మరిన్ని వివరాల కోసం ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>మీ వ్యక్తిగత వివరాలు</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>మీ భాగస్వామి వ్యక్తిగత వివరాలు</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>లింగం</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>పుట్టిన రోజు</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>పుట్టిన నెల</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>పుట్టిన సంవత్సరం</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>పుట్టిన గంట</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>పుట్టిన నిమిషం</translation>
    </message>
    <message>
        <source>City</source>
        <translation>నగరం</translation>
    </message>
    <message>
        <source>State</source>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>అక్షాంశ డిగ్రీలు</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>అక్షాంశ నిమిషాలు</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>రేఖాంశ డిగ్రీలు</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>రేఖాంశ నిమిషాలు</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>సమయ మండలి</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>South</source>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>East</source>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>West</source>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>డేలైట్ సేవింగ్ సమయం</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>అక్షాంశం &amp;&amp; రేఖాంశం తెలుసుకోవడానికి ఇక్కడ క్లిక్ చేయండి</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>పుట్టిన తేదీ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>పుట్టిన సమయం</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>గంట/నిమి</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>డిగ్రీ/నిమి</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>తదుపరి (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>కుజ దోష పొంతన ఫలితం చూడండి (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>వెనుకకు (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>మీ వ్యక్తిగత వివరాలకు తిరిగి వెళ్ళండి</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ఫైల్ (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>నా రాశి చక్రం చూపండి (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>వ్యక్తులు (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>వ్యక్తుల జాబితాను తెరవండి (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>నిష్క్రమించండి (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>భాష (&amp;L)</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>తెలుపలేదు</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>పురుషుడు</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>స్త్రీ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>దయచేసి నగరాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>దయచేసి రాష్ట్రాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>దయచేసి దేశాన్ని నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>ఉపయోగించిన సమయ మండలి</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>పుట్టిన ప్రదేశం</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>ప్రదేశాల జాబితాను చదవడం సాధ్యం కాలేదు: %1</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 మహాదశలోని అంతర్దశలు</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>నవాంశ: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>నవాంశ, దశ</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>దశ</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>రాశి</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>నవాంశ</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>వయస్సు ప్రకారం ఇద్దరి మహాదశలు</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>వింశోత్తరి దశా కాలాలు</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>తేదీలు, వయస్సులు సంవత్సరానికి 365.25 రోజుల చొప్పున లెక్కించినవి; వేరే సంవత్సర నిడివిని వాడే ప్రోగ్రాములు కొన్ని రోజులు అటూ ఇటూగా తేదీలను ఇస్తాయి.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>నడుస్తోంది</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>వయస్సు (సంవత్సరాల్లో)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ఈ రోజు</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>కాలం</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ప్రారంభం</translation>
    </message>
    <message>
        <source>End</source>
        <translation>ముగింపు</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>ప్రారంభంలో వయస్సు</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>ముగింపులో వయస్సు</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>%1 దశ: జన్మ సమయానికి %2 %3 %4 మిగిలి ఉంది</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n సంవత్సరం</numerusform>
            <numerusform>%n సంవత్సరాలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n నెల</numerusform>
            <numerusform>%n నెలలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n రోజు</numerusform>
            <numerusform>%n రోజులు</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 సం. %2 నె.</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>జన్మకు ముందు</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>లగ్నం నుండి కుజుడు %1వ భావంలో ఉన్నాడు</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>చంద్రుని నుండి కుజుడు %1వ భావంలో ఉన్నాడు</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>కుజ దోష శాతం  %1</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>మీ జాతక చక్రంలోని ఇతర గ్రహ స్థితుల వల్ల మీ కుజ దోషం భంగమైంది. </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>ఈ వ్యక్తికి కుజ దోషం ఉంది</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>ఈ వ్యక్తికి కుజ దోషం లేదు</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>ఈ వ్యక్తికి కుజ దోషం భంగమైంది</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>మీ భాగస్వామి %1 గారికి కుజ దోషం ఉంది</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>నమస్కారం %1 గారూ, మీకు కుజ దోషం ఉంది</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>మీ భాగస్వామి %1 గారికి కుజ దోషం లేదు</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>నమస్కారం %1 గారూ, మీకు కుజ దోషం లేదు</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>మీ భాగస్వామి %1 గారికి కుజ దోషం భంగమైంది</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>నమస్కారం %1 గారూ, మీకు కుజ దోషం భంగమైంది</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>కుజుడు %1లో</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>కుజుడు %1లో, ద్వితీయ భావంలో</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>కుజుడు %1లో, చతుర్థ భావంలో</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>కుజుడు %1లో, సప్తమ భావంలో</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>కుజుడు %1లో, అష్టమ భావంలో</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>కుజుడు %1లో, ద్వాదశ భావంలో</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>కుజుడు గురువుకు 10° లోపు</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>కుజుడు బుధునికి 10° లోపు</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>దోష భంగం: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>కుజ దోషం నిష్ప్రభావమైంది.</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>మీకు కుజ దోషం లేదు.</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>కుజ దోషం నిష్ప్రభావం కాలేదు. మరిన్ని వివరాల కోసం దయచేసి జ్యోతిష్కులను సంప్రదించండి.</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>Varna</source>
        <translation>వర్ణం</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>వశ్యం</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>తార</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>యోని</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>గ్రహ మైత్రి</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>గణం</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>భకూటం</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>నాడి</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>బ్రాహ్మణ</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>క్షత్రియ</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>వైశ్య</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>శూద్ర</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>చతుష్పాద</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>మానవ</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>జలచర</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>వనచర</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>కీట</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>అశ్వ</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>గజ</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>మేష</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>సర్ప</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>శునక</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>మార్జాల</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>మూషిక</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>గో</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>మహిష</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>వ్యాఘ్ర</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>మృగ</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>వానర</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>నకుల</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>సింహ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>రవి</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>చంద్ర</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>కుజ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>బుధ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>గురు</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>శుక్ర</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>శని</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>దేవ</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>మనుష్య</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>రాక్షస</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>ఆది</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>మధ్య</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>అంత్య</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 గుణాల పొంతన</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>నాడీ దోషం: లేదు</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>భకూట దోషం: లేదు</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>నాడీ దోషం: ఉంది</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>భకూట దోషం: ఉంది</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>నాడీ దోషం: భంగమైంది</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>భకూట దోషం: భంగమైంది</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>సిఫార్సు చేయదగినది కాదు: 36 గుణాలకు 18 కన్నా తక్కువ</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>ఆమోదయోగ్యమైన పొంతన</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>మంచి పొంతన</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>ఉత్తమ పొంతన</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>మొదటి వ్యక్తిని వరుని పక్షంగా, భాగస్వామిని వధువు పక్షంగా తీసుకుని గుణాలను లెక్కించడం జరిగింది.</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>భాగస్వామిని వరుని పక్షంగా, మొదటి వ్యక్తిని వధువు పక్షంగా తీసుకుని గుణాలను లెక్కించడం జరిగింది.</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>కూటమి</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>మొదటి వ్యక్తి</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>భాగస్వామి</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>గుణాలు</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>గరిష్ఠం</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>మొత్తం</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>మొత్తం గుణాలు</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>పొంతన నిర్ణయం</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>నాడీ దోషం</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>భకూట దోషం</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>సహాయం (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ఆన్‌లైన్ సహాయం (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>మా వెబ్‌సైట్‌ను సందర్శించండి (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>సాఫ్ట్‌వేర్ నవీకరణ కోసం తనిఖీ చేయండి (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>సాఫ్ట్‌వేర్ గురించి (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ఆన్‌లైన్‌లో డబ్బు సంపాదించండి (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>విరాళం ఇవ్వండి (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>విరాళం ఇవ్వండి</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>ఈ ఫైల్‌కు చాలా ఎక్కువ ప్రతులు ఉన్నాయి  %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> కొత్త  ఫైల్‌ను  సృష్టించడం  సాధ్యం  కాదు%1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>చిత్రాన్ని %1లో రాయడం సాధ్యం కాలేదు: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>చిత్రాన్ని %1గా సేవ్ చేయడం సాధ్యం కాలేదు: %2.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>ప్రింటర్‌ను ప్రారంభించడం సాధ్యం కాలేదు.</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane ఫలితం (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>%1 ఫైల్‌ను రాయడం సాధ్యం కాలేదు: %2.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>మూల ఫైల్‌ను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>దయచేసి ఫైల్‌ను తనిఖీ చేయండి.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>%1 ఫైల్‌ను తెరవడం సాధ్యం కాలేదు: %2.</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>వ్యక్తుల జాబితాను తెరవండి</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>వ్యక్తుల జాబితా (*.sqlite)|*.sqlite</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG చిత్రం (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>గమ్య టెక్స్ట్ ఫైల్‌ను ఎంచుకోండి </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>చక్రాన్ని టెక్స్ట్‌గా ఎగుమతి (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF నివేదిక (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>నివేదికను తయారు చేయడం సాధ్యం కాలేదు.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>జనవరి</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ఫిబ్రవరి</translation>
    </message>
    <message>
        <source>March</source>
        <translation>మార్చి</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ఏప్రిల్</translation>
    </message>
    <message>
        <source>May</source>
        <translation>మే</translation>
    </message>
    <message>
        <source>June</source>
        <translation>జూన్</translation>
    </message>
    <message>
        <source>July</source>
        <translation>జులై</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ఆగస్టు</translation>
    </message>
    <message>
        <source>September</source>
        <translation>సెప్టెంబర్</translation>
    </message>
    <message>
        <source>October</source>
        <translation>అక్టోబర్</translation>
    </message>
    <message>
        <source>November</source>
        <translation>నవంబర్</translation>
    </message>
    <message>
        <source>December</source>
        <translation>డిసెంబర్</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Aswini</source>
        <translation>అశ్విని</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>భరణి</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>కృత్తిక</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>రోహిణి</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>మృగశిర</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>ఆరుద్ర</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>పునర్వసు</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>పుష్యమి</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>ఆశ్లేష</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>మఖ</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>పుబ్బ</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>ఉత్తర</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>హస్త</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>చిత్త</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>స్వాతి</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>విశాఖ</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>అనూరాధ</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>జ్యేష్ఠ</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>మూల</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>పూర్వాషాఢ</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>ఉత్తరాషాఢ</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>శ్రవణం</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>ధనిష్ఠ</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>శతభిషం</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>పూర్వాభాద్ర</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>ఉత్తరాభాద్ర</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>రేవతి</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>There is no people library at %1.</source>
        <translation>%1 వద్ద వ్యక్తుల జాబితా ఏదీ లేదు.</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 వ్యక్తుల జాబితా కాదు; దాన్ని ఉన్నది ఉన్నట్లుగానే వదిలేశాము.</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>వ్యక్తుల జాబితా %1, Tirovane కొత్త సంస్కరణతో రాయబడింది.</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>వ్యక్తుల జాబితా %1లో మార్పులు చేయలేము: అది చదవడానికి మాత్రమే.</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>వ్యక్తుల జాబితా %1 మరో ప్రోగ్రామ్ వాడకంలో ఉంది; కాసేపటి తర్వాత మళ్ళీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>జాబితాలో అలాంటి వ్యక్తి ఎవరూ లేరు.</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>వ్యక్తుల జాబితా %1 ఉపయోగించడం సాధ్యం కాలేదు: %2.</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>జాబితాలో Id %1 గల వ్యక్తి ఎవరూ లేరు.</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 ఇప్పటికే జాబితాలో ఉన్నారు (Id %2).</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>ఏదీ దిగుమతి కాలేదు: %n పంక్తి తప్పుగా ఉంది.</numerusform>
            <numerusform>ఏదీ దిగుమతి కాలేదు: %n పంక్తులు తప్పుగా ఉన్నాయి.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>పుట్టిన తేదీ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>సమయం</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ప్రదేశం</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>లింగం</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>గుణాలు</translation>
    </message>
    <message>
        <source>Nadi Dosha</source>
        <translation>నాడీ దోషం</translation>
    </message>
    <message>
        <source>Bhakoot Dosha</source>
        <translation>భకూట దోషం</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>పొంతనలు</translation>
    </message>
    <message>
        <source>Porutham Verdict</source>
        <translation>పొంతన నిర్ణయం</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>రజ్జు</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>కుజ దోషం</translation>
    </message>
    <message>
        <source>None</source>
        <translation>లేదు</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>ఉంది</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>భంగమైంది</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>పురుషుడు</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>స్త్రీ</translation>
    </message>
    <message>
        <source>Dosha</source>
        <translation>దోషం</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>కుదిరింది</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>అనుకూలం</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>అనుకూలం కాదు</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>%1 కోసం పొంతనలు</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>కనీస గుణాలు (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>కనీస గుణాలు</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>నాడీ, భకూట, రజ్జు దోషాలు ఉన్నవాటిని దాచండి (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>సంబంధాలు, ఉత్తమమైనవి ముందు</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>ఒక్కో మొత్తానికి ఎంతమంది చేరారు</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV ఎగుమతి చేయండి (&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF ఎగుమతి చేయండి (&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయండి</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>చూపిన సంబంధాలు: %2లో %1</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>క్రమ జాబితాను ఎగుమతి చేయండి</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV ఫైల్ (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF ఫైల్ (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF తయారు చేయడం సాధ్యం కాలేదు.</translation>
    </message>
    <message>
        <source>People</source>
        <translation>వ్యక్తులు</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>వెతకండి (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>పేరు లేదా ప్రదేశం, ఏ లిపిలోనైనా</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>వెతకండి</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>జాబితాలోని వ్యక్తులు</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>మొదటి వ్యక్తిగా తీసుకోండి (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>భాగస్వామిగా తీసుకోండి (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>అందరితో పొంతన చూడండి (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>సవరించండి (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>తొలగించండి (&amp;D)…</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>మీ వివరాలు జోడించండి (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>మీ భాగస్వామి వివరాలు జోడించండి (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>దిగుమతి చేయండి (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>ఎగుమతి చేయండి (&amp;X)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>చూపిన వ్యక్తులు: %1 (జాబితాలో %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1 వివరాలను జాబితా నుండి తొలగించాలా?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>వ్యక్తులను దిగుమతి చేయండి</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>వ్యక్తులు (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>వ్యక్తులను దిగుమతి చేస్తున్నాము…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దు చేయండి</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>పంక్తి %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>ఫైల్‌లోని %n పంక్తిని దిగుమతి చేయలేము.</numerusform>
            <numerusform>ఫైల్‌లోని %n పంక్తులను దిగుమతి చేయలేము.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>మిగిలిన పంక్తులను మాత్రమే దిగుమతి చేయాలా?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>జోడించినవి: %1. ఇప్పటికే జాబితాలో ఉన్నవి: %2.</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>వ్యక్తులను ఎగుమతి చేయండి</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV ఫైల్ (*.csv)|*.csv|JSON పంక్తులు (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>వ్యక్తి వివరాలు సవరించండి</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>తెలుపలేదు</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>పేరు (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>లింగం (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>గమనికలు (&amp;O):</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>ఊరి పేరు టైప్ చేసి, జాబితా నుండి ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>పుట్టిన ప్రదేశం</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>పుట్టిన ఊరి పేరు టైప్ చేసి జాబితా నుండి ఎంచుకోండి: దానితో నగరం, రాష్ట్రం, దేశం, అక్షాంశం, రేఖాంశం, సమయ మండలి, డేలైట్ సేవింగ్ వాటంతట అవే నిండుతాయి.</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>సరిపోలే ప్రదేశాలు</translation>
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
        <translation>ఒక నిమిషం కన్నా తక్కువ</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 నిమిషం</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 నిమిషాలు</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3న %2: ప్రామాణిక సమయం</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3న %2: డేలైట్ సేవింగ్ సమయం</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3న %2: యుద్ధకాల సమయం</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3న %2: స్థానిక సగటు సమయం</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%2న %1 అనే సమయం %3లో లేదు: గడియారాలను %4 నుండి %5కి ముందుకు జరిపారు; దీన్ని %4గా తీసుకున్నాము.</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%2న %1 అనే సమయం %3లో రెండుసార్లు వచ్చింది (మొదట %4, తర్వాత %5); మొదటిదాన్ని తీసుకున్నాము.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>జాబితాలో %1 ఉన్న సమయ మండలి ఏదీ లేదు: &quot;%2&quot;తో పుట్టిన క్షణం %3 ఆలస్యంగా పడుతుంది.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>జాబితాలో %1 ఉన్న సమయ మండలి ఏదీ లేదు: &quot;%2&quot;తో పుట్టిన క్షణం %3 ముందుగా పడుతుంది.</translation>
    </message>
</context>
<context>
    <name>Porutham</name>
    <message>
        <source>Dina</source>
        <translation>దినం</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>గణం</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>మాహేంద్రం</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>స్త్రీ దీర్ఘం</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>యోని</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>రాశి</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>రాశ్యధిపతి</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>వశ్యం</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>రజ్జు</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>వేధ</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>పది పొంతనలు</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>పాద</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>కటి</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>నాభి</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>కంఠ</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>శిరో</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>ఇద్దరూ శిరో రజ్జులో ఉన్నారు: భర్తకు ప్రమాదం.</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>ఇద్దరూ కంఠ రజ్జులో ఉన్నారు: భార్యకు ప్రమాదం.</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>ఇద్దరూ నాభి రజ్జులో ఉన్నారు: సంతానానికి ప్రమాదం.</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>ఇద్దరూ కటి రజ్జులో ఉన్నారు: దారిద్ర్యం.</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>ఇద్దరూ పాద రజ్జులో ఉన్నారు: దేశ సంచారం.</translation>
    </message>
    <message>
        <source>Uttamam</source>
        <translation>ఉత్తమం</translation>
    </message>
    <message>
        <source>Madhyamam</source>
        <translation>మధ్యమం</translation>
    </message>
    <message>
        <source>Adhamam</source>
        <translation>అధమం</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is good when shared.</source>
        <translation>ఇద్దరూ %1 నక్షత్రంలో జన్మించారు; ఇద్దరిదీ ఒకటే అయినప్పుడు ఇది శుభప్రదమైన నక్షత్రం.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>ఇద్దరూ %1 నక్షత్రంలో జన్మించారు; ఇద్దరిదీ ఒకటే అయినప్పుడు ఇది మధ్యమమైన నక్షత్రం.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>ఇద్దరూ %1 నక్షత్రంలో జన్మించారు; ఇద్దరిదీ ఒకటే అయినప్పుడు ఇది శుభప్రదం కాని నక్షత్రం.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>వధువు నక్షత్రం నుండి వరుని నక్షత్రం వరకు లెక్క: %1.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>వధువు నక్షత్రం నుండి వరుని నక్షత్రం వరకు లెక్క: %1; వరుని పాదం %2.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>వధువు నక్షత్రం నుండి వరుని నక్షత్రం వరకు లెక్క: 27, ఒకే రాశిలో.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>వధువు నక్షత్రం నుండి వరుని నక్షత్రం వరకు లెక్క: 27, రెండు రాశుల్లో.</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>వరుని గణం %1, వధువుది %2.</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>ఇద్దరిదీ %1 యోని.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>వరుని యోని %1, వధువు యోని %2 పరస్పర శత్రువులు.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>వరుని యోని %1, వధువు యోని %2 పరస్పర శత్రువులు కావు.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>వధువు రాశి నుండి వరుని రాశి వరకు లెక్క: %1.</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>ఇద్దరూ %1లో ఉన్నారు; వరుని నక్షత్రం ముందు వస్తుంది.</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>ఇద్దరూ %1లో ఉన్నారు; వధువు నక్షత్రం ముందు వస్తుంది.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>ఇద్దరూ %1 నక్షత్రంలో జన్మించారు; వరుని పాదం %2, వధువు పాదం %3 కన్నా తక్కువ.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>ఇద్దరూ %1 నక్షత్రంలో జన్మించారు; వరుని పాదం %2, వధువు పాదం %3 కన్నా తక్కువ కాదు.</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>రెండు రాశులకూ అధిపతి: %1.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>అధిపతులు %1, %2: పరస్పర మిత్రులు.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>అధిపతులు %1, %2: ఒకరు మరొకరికి శత్రువు.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>అధిపతులు %1, %2: మిత్రులూ కాదు, శత్రువులూ కాదు.</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>వరుని రాశి (%1) వధువు రాశికి (%2) వశ్యం అవుతుంది.</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>వధువు రాశి (%1) వరుని రాశికి (%2) వశ్యం అవుతుంది.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1, %2: వీటిలో ఏదీ మరొకదానికి వశ్యం కాదు.</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>వేర్వేరు రజ్జులు: వరునిది %1, వధువుది %2.</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1, %2 పరస్పరం అడ్డుపడతాయి (వేధ).</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1, %2 పరస్పరం అడ్డుపడవు.</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>కుదిరిన పొంతనలు: 10కి %1</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>స్కోరు: 10కి %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>నిర్ణయం: ఉత్తమం</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>నిర్ణయం: మధ్యమం</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>నిర్ణయం: అధమం</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>దోషాలు: ఏవీ లేవు</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>దోషాలు: రజ్జు, వేధ</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>దోషాలు: రజ్జు</translation>
    </message>
    <message>
        <source>Doshas: Vedha</source>
        <translation>దోషాలు: వేధ</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>పొంతన</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>శ్రేణి</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>కారణం</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Matching poruthams</source>
        <translation>కుదిరిన పొంతనలు</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>పొంతన స్కోరు</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>పొంతన నిర్ణయం</translation>
    </message>
    <message>
        <source>Porutham doshas</source>
        <translation>పొంతన దోషాలు</translation>
    </message>
</context>
<context>
    <name>PreciseChart</name>
    <message>
        <source>Swiss Ephemeris, Lahiri ayanamsa, apparent positions</source>
        <translation>స్విస్ ఎఫెమెరిస్, లాహిరి అయనాంశ, దృశ్య గ్రహ స్థితులు</translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation>అయనాంశ: %1</translation>
    </message>
    <message>
        <source>Lagna / Asc: %1 (%2)</source>
        <translation>లగ్నం: %1 (%2)</translation>
    </message>
    <message>
        <source>Nakshatra: %1, pada %2, lord %3</source>
        <translation>నక్షత్రం: %1, పాదం %2, అధిపతి %3</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign: %1</source>
        <translation>రాశి (చంద్ర రాశి): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>లగ్నం నుండి కుజుడు %1వ భావంలో: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>చంద్రుని నుండి కుజుడు %1వ భావంలో: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>ఫోల్డర్</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ఫైల్</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>ఇక్కడ చూడండి:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ఫైల్ పేరు (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ఫైల్ రకం:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>పై ఫోల్డర్</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>కొత్త ఫోల్డర్ సృష్టించండి</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>జాబితా వీక్షణ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>వివరాల వీక్షణ</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ముందుకు</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>ఇటీవలి ప్రదేశాలు</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>తెరవండి (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>సేవ్ చేయండి (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>ఎంచుకోండి (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>దాచిన ఫైళ్లను చూపండి (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>తొలగించండి (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>పేరు మార్చండి (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>మార్చిన తేదీ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>రకం</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>పరిమాణం</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>కంప్యూటర్</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దు చేయండి</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>అవును (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>కాదు (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయండి</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>సేవ్ చేయండి</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>తెరవండి</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ప్రింట్ చేయండి</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>తదుపరి పేజీ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>మునుపటి పేజీ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>మొదటి పేజీ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>చివరి పేజీ</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>వెడల్పుకు సరిపెట్టండి</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>పేజీకి సరిపెట్టండి</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>పెద్దదిగా చూపండి</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>చిన్నదిగా చూపండి</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>ఒకే పేజీ చూపండి</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>ఎదురెదురు పేజీలు చూపండి</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>అన్ని పేజీల అవలోకనం చూపండి</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>పేజీ అమరిక</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>ముద్రణ ముందుచూపు</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ప్రింట్ చేయండి</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయండి</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>ఎడమకు జరపండి</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>కుడికి జరపండి</translation>
    </message>
</context>
<context>
    <name>Rashis</name>
    <message>
        <source>Mesha</source>
        <translation>మేషం</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>వృషభం</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>మిథునం</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>కర్కాటకం</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>సింహం</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>కన్య</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>తుల</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>వృశ్చికం</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>ధనుస్సు</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>మకరం</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>కుంభం</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>మీనం</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rahu</source>
        <translation>రాహు</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>కేతు</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>దశమ లగ్నం</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute South</source>
        <translation>అక్షాంశం: %1 డిగ్రీలు %2 నిమిషాలు దక్షిణం</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute North</source>
        <translation>అక్షాంశం: %1 డిగ్రీలు %2 నిమిషాలు ఉత్తరం</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute East</source>
        <translation>రేఖాంశం: %1 డిగ్రీలు %2 నిమిషాలు తూర్పు</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>రేఖాంశం: %1 డిగ్రీలు %2 నిమిషాలు పడమర</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>సమయ మండలి: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>డేలైట్ సేవింగ్: అవును</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>డేలైట్ సేవింగ్: లేదు</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>Tirovane సొంత ఎఫెమెరిస్ నుండి గ్రహ స్థితులు (లాహిరి అయనాంశ).</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>రూపొందించిన తేదీ: %2 %1 %3, %4</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>కుజ దోష పొంతన ఫలితం</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>పేజీ %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 మరియు %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>ప్రభావాలు &amp; పరిహారాలు</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>మీ వివరాలు</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>మీ భాగస్వామి వివరాలు</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>చంద్ర రాశి</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>వ్యక్తిగత వివరాలు</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>వైదిక గ్రహ స్థితి</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>ఇతర వైదిక వివరాలు</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>కుజ దోష విశ్లేషణ</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>కుజ దోష పొంతన</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>లగ్నం నుండి కుజ దోష విశ్లేషణ</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>చంద్రుని నుండి కుజ దోష విశ్లేషణ</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>పేరు: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>పుట్టిన తేదీ: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>పుట్టిన సమయం: %1 గంటలు %2 నిమిషాలు </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>అక్షాంశం: %1 డిగ్రీలు %2 నిమిషాలు</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>రేఖాంశం: %1 డిగ్రీలు %2 నిమిషాలు</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>నగరం: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>రాష్ట్రం: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>దేశం: %1</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa). The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>స్విస్ ఎఫెమెరిస్ నుండి గ్రహ స్థితులు (లాహిరి అయనాంశ). స్విస్ ఎఫెమెరిస్ ఫైళ్లు కనబడలేదు, కనుక దానిలోని, తక్కువ కచ్చితత్వం గల విశ్లేషణాత్మక సిద్ధాంతాన్ని ఉపయోగించడం జరిగింది.</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>స్విస్ ఎఫెమెరిస్ నుండి గ్రహ స్థితులు (లాహిరి అయనాంశ).</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>కుజ దోష పరిహారాలు</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>కుజ దోషం వల్ల కలిగే దుష్ఫలితాలను నివారించడానికి లేదా వాటి నుండి బయటపడటానికి కొన్ని మార్గాలు ఇక్కడ ఉన్నాయి.</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) హనుమాన్ చాలీసాను క్రమం తప్పకుండా పఠించండి. </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) మంగళవారాల్లో భోజనం చేయకుండా ఉండండి.</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) ప్రతిరోజూ గాయత్రీ మంత్రాన్ని 108 సార్లు జపించండి.</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) తులసీదాసు రచించిన రామచరితమానస్‌లోని సుందరకాండను 40 రోజుల పాటు పారాయణ చేయండి. మంగళవారం నాడు ప్రారంభించండి.</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) ఎరుపు రంగు వస్త్రాన్ని గనుల్లో పనిచేసేవారికి గానీ, కమ్మరులకు గానీ దానం చేయండి.</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) విద్వాంసుడైన వైదిక జ్యోతిష్కుని ద్వారా ఇంట్లో హనుమాన్ సాధన చేయించండి.</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) ఆలయాల వద్ద ఉన్నవారికి సిందూరం, మిఠాయిలు, వెలిగించిన నేతి దీపం పంచండి.</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>కుజ దోషం వల్ల కలిగే ప్రభావాలు</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>కుజ దోషం బహుశా ఇటీవలి కాలంలో వైదిక జ్యోతిష్యంలో అత్యధికంగా చర్చకు వస్తున్న అంశాలలో ఒకటి. వివాహానికి ముందు మీ జాతకాన్ని, మీకు కాబోయే జీవిత భాగస్వామి జాతకాన్ని పొంతన చూసి మీకు కుజ దోషం ఉందో లేదో పరీక్షించుకోవడం తప్పనిసరి. కుజ గ్రహం ఈ భావాలలో దేనిలోనైనా ఉన్నప్పుడు ఆ వ్యక్తికి కుజ దోషం కలుగుతుంది: ప్రథమ, చతుర్థ, సప్తమ, అష్టమ, ద్వాదశ భావాలు. కుజ దోష ప్రభావాలు దీర్ఘకాలం ఉండవచ్చు, ప్రాణాంతకం కూడా కావచ్చు. నిజమే, కుజుని ప్రభావాన్ని పెంచడంలో లేదా తగ్గించడంలో పెద్ద పాత్ర పోషించే ఇతర అంశాలు కూడా ఉన్నాయి, కానీ అవి అందరి జాతకాల్లో ఉండవు; కాబట్టి కుజ దోష దుష్ఫలితాలకు సిద్ధంగా ఉండండి:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) వివాహ ప్రయత్నాలలో విపరీతమైన ఆలస్యం.</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) సమస్యలతో కూడిన వైవాహిక జీవితం</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) దంపతుల మధ్య అననుకూలత.</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) విడాకులు.</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) జీవిత భాగస్వామి మరణం.</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) ప్రసవంలో సమస్యలు.</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>వివాహ సంబంధిత సమస్యలే కాకుండా, మీ జీవితంలోని వివిధ రంగాలలో కూడా సమస్యలు తలెత్తవచ్చు, ఉదాహరణకు</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) వృత్తి జీవితంలో సమస్యలు, ఉదాహరణకు ఉద్యోగ జీవితం ఆలస్యంగా ప్రారంభం కావడం</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) చదువులో అంతరాయాలు</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) ఆర్థిక సంక్షోభం</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) ఆందోళన, ఒత్తిడి</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) లైంగిక అసంతృప్తి</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) కుటుంబంతో నిరంతర ఘర్షణ</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>రవి</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>చంద్ర</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>బుధ</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>శుక్ర</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>కుజ</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>గురు</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>శని</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>అయనాంశ</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>నక్షత్రం</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>పాదం</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>అధిపతి</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>రాశి (చంద్ర రాశి)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>లగ్న స్థానం</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>పునశ్చ: కుజ దోష నివారణపై మరింత వివరమైన సంప్రదింపుల కోసం దయచేసి జ్యోతిష్కులను సంప్రదించండి.</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>కుజ దోషంపై వివరమైన సలహా, సంప్రదింపుల కోసం Tirovane హోమ్ పేజీని సందర్శించండి.</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>కచ్చితమైన చక్రం: %1</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>కచ్చితమైన చక్రం</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>కచ్చితమైన ఎఫెమెరిస్ సూచన</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>కచ్చితమైన చక్రం చూడండి</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>ప్రభావాలు &amp;&amp; పరిహారాలు</translation>
    </message>
</context>
<context>
    <name>SignAbbreviations</name>
    <message>
        <source>Ari</source>
        <translation>మేషం</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>వృషభం</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>మిథునం</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>కర్కాటకం</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>సింహం</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>కన్య</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>తుల</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>వృశ్చికం</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ధనుస్సు</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>మకరం</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>కుంభం</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>మీనం</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>మేషం</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>వృషభం</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>మిథునం</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>కర్కాటకం</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>సింహం</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>కన్య</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>తుల</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>వృశ్చికం</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ధనుస్సు</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>మకరం</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>కుంభం</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>మీనం</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>దయచేసి పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>దయచేసి అక్షాంశ డిగ్రీలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>దయచేసి అక్షాంశ నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>దయచేసి రేఖాంశ డిగ్రీలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>దయచేసి రేఖాంశ నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>దయచేసి నగరం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>దయచేసి రాష్ట్రం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>దయచేసి దేశం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>దయచేసి అక్షరాలు మాత్రమే నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>దయచేసి అంకెలు మాత్రమే నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>దయచేసి అక్షాంశ దిశను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>దయచేసి రేఖాంశ దిశను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>దయచేసి సరైన అక్షాంశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>దయచేసి సరైన రేఖాంశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>దయచేసి సరైన తేదీ లేదా నెల నమోదు చేయండి!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>దయచేసి సరైన తేదీ లేదా నెల నమోదు చేయండి !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>అవసరమైన ఫైల్ కనబడటం లేదు. దయచేసి సాఫ్ట్‌వేర్‌ను మళ్ళీ ఇన్‌స్టాల్ చేయండి.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>లింక్</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>అలాస్కా/హవాయి పగటి వెలుతురు సమయం,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>అలాస్కా/హవాయి ప్రామాణిక సమయం,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>అలాస్కా/హవాయి యుద్ధకాల సమయం,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>అట్లాంటిక్ ప్రామాణిక సమయం,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>అట్లాంటిక్ యుద్ధకాల సమయం,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ఆస్ట్రేలియా కేంద్ర పగటి వెలుతురు సమయం,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ఆస్ట్రేలియా కేంద్ర ప్రామాణిక సమయం,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ఆస్ట్రేలియా తూర్పు పగటి వెలుతురు సమయం,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ఆస్ట్రేలియా తూర్పు ప్రామాణిక సమయం,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ఆస్ట్రేలియా పశ్చిమ పగటి వెలుతురు సమయం,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ఆస్ట్రేలియా పశ్చిమ ప్రామాణిక సమయం,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>అజోర్స్ సమయం, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>బాగ్దాద్ సమయం, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>బేరింగ్ ప్రామాణిక సమయం,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>బ్రెజిల్ మండలం 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>బ్రిటిష్ రెట్టింపు వేసవి సమయం,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>బ్రిటిష్ వేసవి సమయం,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>బ్రిటిష్ యుద్ధకాల సమయం,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>కేంద్ర పగటి వెలుతురు సమయం,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>కేంద్ర యూరోపియన్ పగటి వెలుతురు సమయం,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>కేంద్ర యూరోపియన్ సమయం,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>కేంద్ర ప్రామాణిక సమయం,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>కేంద్ర యుద్ధకాల సమయం,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>చైనా తీర సమయం,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>తూర్పు పగటి వెలుతురు సమయం,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>తూర్పు యూరోపియన్ పగటి వెలుతురు సమయం,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>తూర్పు యూరోపియన్ సమయం,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>తూర్పు ప్రామాణిక సమయం,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>తూర్పు యుద్ధకాల సమయం,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>గ్రీనిచ్ సగటు సమయం,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>గ్వామ్ ప్రామాణిక సమయం,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>హవాయి పగటి వెలుతురు సమయం,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>హవాయి ప్రామాణిక సమయం,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>హవాయి యుద్ధకాల సమయం,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>భారతీయ సమయం, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>అంతర్జాతీయ తేదీ రేఖ తూర్పు,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>అంతర్జాతీయ తేదీ రేఖ పశ్చిమం,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ఇరాన్ సమయం, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>జపాన్ ప్రామాణిక సమయం,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>జావా సమయం, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>మధ్య యూరోపియన్ పగటి వెలుతురు సమయం,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>మధ్య యూరోపియన్ సమయం,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>మొలుక్కాస్ సమయం, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>మౌంటెన్ పగటి వెలుతురు సమయం,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>మౌంటెన్ ప్రామాణిక సమయం,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>మౌంటెన్ యుద్ధకాల సమయం,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>న్యూజిలాండ్ ప్రామాణిక వేసవి సమయం,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>న్యూజిలాండ్ ప్రామాణిక సమయం,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>న్యూజిలాండ్ వేసవి సమయం,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>న్యూజిలాండ్ సమయం,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>న్యూఫౌండ్‌లాండ్ ప్రామాణిక సమయం,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>నోమ్ సమయం, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ఉత్తర సుమత్రా సమయం,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>పసిఫిక్ పగటి వెలుతురు సమయం,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>పసిఫిక్ ప్రామాణిక సమయం,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>పసిఫిక్ యుద్ధకాల సమయం,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా పగటి వెలుతురు సమయం,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా పగటి వెలుతురు సమయం,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా ప్రామాణిక సమయం,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>దక్షిణ ఆస్ట్రేలియా ప్రామాణిక సమయం,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>దక్షిణ సుమత్రా సమయం,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>సార్వత్రిక సమయం, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>సోవియట్ యూనియన్ మండలం 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>సోవియట్ యూనియన్ మండలం 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>సోవియట్ యూనియన్ మండలం 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>సోవియట్ యూనియన్ మండలం 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>సోవియట్ యూనియన్ మండలం 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>పశ్చిమ ఆఫ్రికా సమయం,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>యుకాన్ పగటి వెలుతురు సమయం,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>యుకాన్ ప్రామాణిక సమయం,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>యుకాన్ యుద్ధకాల సమయం,YWT,-8.0</translation>
    </message>
</context>
</TS>
