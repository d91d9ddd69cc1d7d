<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane दो व्यक्तियों के बीच मांगलिक अनुकूलता दिखाता है। ऐसा माना जाता है कि यदि दोनों साथी मांगलिक हों, तो यह मिलान उस स्थिति से अधिक उपयुक्त होता है जब दोनों में से एक साथी मांगलिक न हो। Tirovane एक मुक्त सॉफ़्टवेयर है, जो GNU Affero General Public License के संस्करण 3 या उसके बाद के किसी संस्करण के अंतर्गत उपलब्ध है।</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>स्थान: GeoNames (geonames.org), CC BY 4.0। ऐतिहासिक समय क्षेत्र: IANA समय क्षेत्र डेटाबेस।</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane का होम पेज देखें</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। अपनी वेबसाइट के लिए यह सॉफ़्टवेयर पूरी तरह अपने ब्रांड के साथ प्राप्त करें।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम लग्न</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (व) </translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>House %1, sign %2, %3</source>
        <translation>भाव %1, राशि %2, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>भाव %1 की राशि</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>राशि %1, %2</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>Manglik</source>
        <translation>मांगलिक</translation>
    </message>
    <message>
        <source>Non Manglik, the dosha being cancelled</source>
        <translation>अमांगलिक (दोष निरस्त होने के कारण)</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>मांगलिक नहीं</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार मंगल %1 पर है, यानी लग्न से भाव %2 में: लग्न से निर्णय वही रहता है।</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार मंगल %1 पर है, यानी चन्द्र से भाव %2 में: चन्द्र से निर्णय वही रहता है।</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार मंगल %1 पर है, यानी लग्न से भाव %2 में: लग्न से यह व्यक्ति %3 होगा।</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार मंगल %1 पर है, यानी चन्द्र से भाव %2 में: चन्द्र से यह व्यक्ति %3 होगा।</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>स्विस एफ़ेमेरिस की फ़ाइलें नहीं मिलीं, इसलिए उसके कम सटीक विश्लेषणात्मक सिद्धांत का उपयोग किया गया।</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>सटीक एफ़ेमेरिस इस कुंडली की गणना नहीं कर सका।</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>सटीक एफ़ेमेरिस इस कुंडली की गणना नहीं कर सका: %1।</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>दिखाई गई ग्रह स्थितियाँ Tirovane की अपनी गणना-पद्धति की हैं।</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार लग्न %1 पर है, %2 में नहीं: लग्न से भाव वहीं से गिने जाते हैं।</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार चन्द्र %1 पर है, %2 में नहीं: चन्द्र से भाव वहीं से गिने जाते हैं।</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>सटीक एफ़ेमेरिस के अनुसार चन्द्र %1 नक्षत्र में है, %2 में नहीं: इसके साथ चरण और स्वामी भी बदल जाते हैं।</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG के रूप में सहेजें (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane फ़ोरम पर वैदिक ज्योतिष की चर्चा में शामिल हों।</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>इस राशि कुंडली का विश्लेषण Tirovane की वेबसाइट पर करवाएँ।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। अपनी वेबसाइट के लिए यह सॉफ़्टवेयर पूरी तरह अपने ब्रांड के साथ प्राप्त करें। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>अपनी वेबसाइट के लिए इस सॉफ़्टवेयर को सह-ब्रांड करें। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नया (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>इस रूप में सहेजें (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>रिपोर्ट निर्यात करें (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>कुंडली टेक्स्ट के रूप में निर्यात करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>टूलबार (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>स्थिति पट्टी (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>कुंडली शैली (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>उत्तर भारतीय (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>दक्षिण भारतीय (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>भारतीय जन्म कुंडली (&amp;N)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>रंग शैली (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>चालू (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>बंद (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>कुंडली (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>वर्ग कुंडलियाँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>होरा (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>द्रेष्काण (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>सप्तांश (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>नवांश (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>दशांश (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>द्वादशांश (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>सटीक ग्रह स्थितियाँ (स्विस एफ़ेमेरिस) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>टूलबार</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>मिलान (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 गुण (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>दस पोरुत्तम (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>दोनों (&amp;B)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>व्यक्ति (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>व्यक्ति-संग्रह खोलें (&amp;L)…</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane दो व्यक्तियों के बीच मांगलिक अनुकूलता दिखाता है। ऐसा माना जाता है कि यदि दोनों साथी मांगलिक हों, तो यह मिलान उस स्थिति से अधिक उपयुक्त होता है जब दोनों में से एक साथी मांगलिक न हो। </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फलादेश खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>विस्तृत सलाह और परामर्श के लिए Tirovane का होम पेज देखें।</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>अपनी वेबसाइट के लिए यह सॉफ़्टवेयर पूरी तरह अपने ब्रांड के साथ प्राप्त करें। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>अपनी वेबसाइट के लिए इस सॉफ़्टवेयर को सह-ब्रांड करें। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>आपका व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>आपके साथी का व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर की कला</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>घंटा/मिनट</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>आगे (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>मांगलिक मिलान फलादेश देखें (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>अपने व्यक्तिगत विवरण पर वापस जाएँ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>मेरी राशि कुंडली बनाएँ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>प्रयुक्त समय क्षेत्र</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>स्थानों की सूची पढ़ी नहीं जा सकी: %1</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>नहीं बताया</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>पुरुष</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>स्त्री</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>व्यक्ति (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>व्यक्ति-संग्रह खोलें (&amp;L)…</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 महादशा की अंतर्दशाएँ</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>नवांश: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>नवांश और दशा</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>दशा</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवांश</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>आयु के अनुसार दोनों की महादशाएँ</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>विंशोत्तरी दशा की अवधियाँ</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>तिथियाँ और आयु एक वर्ष को 365.25 दिन का मानकर गिनी गई हैं; वर्ष की कोई और लंबाई लेने वाले प्रोग्राम कुछ दिन आगे-पीछे की तिथियाँ देते हैं।</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>चल रही</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>आयु (वर्षों में)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ पर आयु</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>अंत पर आयु</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>%1 दशा: जन्म के समय %2 %3 %4 शेष</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n वर्ष</numerusform>
            <numerusform>%n वर्ष</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n माह</numerusform>
            <numerusform>%n माह</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n दिन</numerusform>
            <numerusform>%n दिन</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 वर्ष %2 माह</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>जन्म से पहले</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>लग्न से मंगल भाव %1 में है</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>चन्द्र से मंगल भाव %1 में है</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>मंगल दोष का प्रतिशत  %1 है</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>आपकी कुंडली में अन्य ग्रह-स्थितियों के कारण आपका मंगल दोष निरस्त हो गया है। </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>यह व्यक्ति मांगलिक है</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>यह व्यक्ति मांगलिक नहीं है</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>यह व्यक्ति अमांगलिक है</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>आपके साथी %1 मांगलिक हैं</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>नमस्ते %1, आप मांगलिक हैं</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>आपके साथी %1 मांगलिक नहीं हैं</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>नमस्ते %1, आप मांगलिक नहीं हैं</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>आपके साथी %1 अमांगलिक हैं</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>नमस्ते %1, आप अमांगलिक हैं</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>मंगल %1 राशि में</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>मंगल %1 राशि में, द्वितीय भाव में</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>मंगल %1 राशि में, चतुर्थ भाव में</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>मंगल %1 राशि में, सप्तम भाव में</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>मंगल %1 राशि में, अष्टम भाव में</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>मंगल %1 राशि में, द्वादश भाव में</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>मंगल गुरु से 10° के भीतर</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>मंगल बुध से 10° के भीतर</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>दोष निरस्त: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>मंगल दोष निष्प्रभावी हो गया है।</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>आपकी कुंडली में मांगलिक दोष नहीं है।</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>मंगल दोष निष्प्रभावी नहीं हुआ है। अधिक जानकारी के लिए कृपया किसी ज्योतिषी से परामर्श करें।</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>Varna</source>
        <translation>वर्ण</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>तारा</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>योनि</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>ग्रह मैत्री</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>गण</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>भकूट</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>नाडी</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>ब्राह्मण</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>क्षत्रिय</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>वैश्य</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>शूद्र</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>चतुष्पद</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>मानव</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>जलचर</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>वनचर</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>कीट</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>अश्व</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>गज</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>सर्प</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>श्वान</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>मार्जार</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>मूषक</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>गौ</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>महिष</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>व्याघ्र</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>मृग</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>वानर</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>नकुल</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>देव</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>मनुष्य</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>राक्षस</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>आदि</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>मध्य</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>अन्त्य</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>नाडी दोष: नहीं</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>भकूट दोष: नहीं</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>नाडी दोष: उपस्थित</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>भकूट दोष: उपस्थित</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>नाडी दोष: निरस्त</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>भकूट दोष: निरस्त</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>अनुशंसित नहीं: 36 में से 18 से कम गुण</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>स्वीकार्य मिलान</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>अच्छा मिलान</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>उत्तम मिलान</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>गुण पहले व्यक्ति को वर पक्ष में और साथी को कन्या पक्ष में रखकर गिने गए हैं।</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>पहला व्यक्ति</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>साथी</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>अधिकतम</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 गुण मिलान</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>कुल गुण</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>मिलान का निर्णय</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>नाडी दोष</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>भकूट दोष</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>गुण साथी को वर पक्ष में और पहले व्यक्ति को कन्या पक्ष में रखकर गिने गए हैं।</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट की जाँच करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>दान करें</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>इस फ़ाइल की बहुत अधिक प्रतियाँ हैं  %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> नई  फ़ाइल  नहीं  बन  सकती%1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>चित्र %1 में लिखा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>चित्र %1 के रूप में सहेजा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>प्रिंटर शुरू नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane फलादेश (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>फ़ाइल %1 लिखी नहीं जा सकी: %2।</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>फ़ाइल %1 खोली नहीं जा सकी: %2।</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG चित्र (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>गंतव्य टेक्स्ट फ़ाइल चुनें </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>कुंडली टेक्स्ट के रूप में (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF रिपोर्ट (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>रिपोर्ट नहीं बनाई जा सकी।</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>व्यक्ति-संग्रह खोलें</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>व्यक्ति-संग्रह (*.sqlite)|*.sqlite</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Aswini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>पूर्वाफाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तराफाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>पूर्वाभाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तराभाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>There is no people library at %1.</source>
        <translation>%1 पर कोई व्यक्ति-संग्रह नहीं है।</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 व्यक्ति-संग्रह नहीं है; उसे जैसा था वैसा ही छोड़ दिया गया।</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>व्यक्ति-संग्रह %1 Tirovane के नए संस्करण से लिखा गया है।</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>व्यक्ति-संग्रह %1 बदला नहीं जा सकता: वह केवल पढ़ने के लिए है।</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>व्यक्ति-संग्रह %1 किसी दूसरे प्रोग्राम में खुला है; थोड़ी देर बाद फिर प्रयास करें।</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>संग्रह में ऐसा कोई व्यक्ति नहीं है।</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>व्यक्ति-संग्रह %1 का उपयोग नहीं हो सका: %2।</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>संग्रह में Id %1 वाला कोई व्यक्ति नहीं है।</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 पहले से संग्रह में है (Id %2)।</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>कुछ भी आयात नहीं हुआ: %n पंक्ति ग़लत है।</numerusform>
            <numerusform>कुछ भी आयात नहीं हुआ: %n पंक्तियाँ ग़लत हैं।</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Nadi Dosha</source>
        <translation>नाडी दोष</translation>
    </message>
    <message>
        <source>Bhakoot Dosha</source>
        <translation>भकूट दोष</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Porutham Verdict</source>
        <translation>पोरुत्तम निर्णय</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>रज्जु</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>मांगलिक पंक्तियाँ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>है</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>निरस्त</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>पुरुष</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>स्त्री</translation>
    </message>
    <message>
        <source>Dosha</source>
        <translation>दोष</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>मिलता है</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>अनुकूल</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>अनुकूल नहीं</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>%1 के लिए मिलान</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>न्यूनतम गुण (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>न्यूनतम गुण</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>नाडी, भकूट और रज्जु दोष वाले छिपाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>प्रस्ताव, सबसे अच्छे पहले</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>किस कुल तक कितने पहुँचते हैं</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV निर्यात करें (&amp;C)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>दिखाए गए प्रस्ताव: %2 में से %1</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>क्रम-सूची निर्यात करें</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV फ़ाइल (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>People</source>
        <translation>व्यक्ति</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>खोजें (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>नाम या स्थान, किसी भी लिपि में</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>संग्रह के व्यक्ति</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>अपना विवरण जोड़ें (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>साथी का विवरण जोड़ें (&amp;P)</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>पहले व्यक्ति के रूप में लें (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>साथी के रूप में लें (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>सबसे मिलान करें (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>हटाएँ (&amp;D)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>दिखाए गए व्यक्ति: %1 (संग्रह %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1 को संग्रह से हटाएँ?</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>बदलें (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>आयात करें (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>निर्यात करें (&amp;X)…</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>व्यक्ति आयात करें</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>व्यक्ति (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>व्यक्ति आयात हो रहे हैं…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>पंक्ति %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>फ़ाइल की %n पंक्ति आयात नहीं हो सकती।</numerusform>
            <numerusform>फ़ाइल की %n पंक्तियाँ आयात नहीं हो सकतीं।</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>केवल बाकी पंक्तियाँ आयात करें?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>जोड़े गए: %1। पहले से संग्रह में: %2।</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>व्यक्ति निर्यात करें</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV फ़ाइल (*.csv)|*.csv|JSON पंक्तियाँ (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>व्यक्ति बदलें</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>नहीं बताया</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>लिंग (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>टिप्पणी (&amp;O):</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF निर्यात करें (&amp;P)…</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF फ़ाइल (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF नहीं बन सकी।</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Matching places</source>
        <translation>मिलते-जुलते स्थान</translation>
    </message>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>शहर या कस्बे का नाम लिखें, फिर सूची से चुनें</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>जन्म के शहर या कस्बे का नाम लिखें और उसे सूची से चुनें: इससे शहर, राज्य, देश, अक्षांश, देशांतर, समय क्षेत्र और डेलाइट सेविंग अपने-आप भर जाते हैं।</translation>
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
        <translation>एक मिनट से कम</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 मिनट</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3 को %2: मानक समय</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3 को %2: डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3 को %2: युद्धकालीन समय</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3 को %2: स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%2 को %1 बजे का समय %3 में था ही नहीं: घड़ियाँ %4 से आगे बढ़ाकर %5 कर दी गई थीं; इसे %4 माना गया है।</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%2 को %1 बजे का समय %3 में दो बार आया (पहले %4, फिर %5); पहला माना गया है।</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>सूची के किसी भी समय क्षेत्र का अंतर %1 नहीं है: &quot;%2&quot; चुनने पर जन्म का क्षण %3 देर से पड़ता है।</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>सूची के किसी भी समय क्षेत्र का अंतर %1 नहीं है: &quot;%2&quot; चुनने पर जन्म का क्षण %3 पहले पड़ता है।</translation>
    </message>
</context>
<context>
    <name>Porutham</name>
    <message>
        <source>Dina</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>गण</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>माहेन्द्र</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>स्त्री दीर्घ</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>योनि</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>राशि अधिपति</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>रज्जु</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>वेध</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>दस पोरुत्तम</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पाद</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>कटि</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>नाभि</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>कण्ठ</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>शिरो</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>दोनों शिरो रज्जु में हैं: पति के लिए संकट।</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>दोनों कण्ठ रज्जु में हैं: पत्नी के लिए संकट।</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>दोनों नाभि रज्जु में हैं: संतान के लिए संकट।</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>दोनों कटि रज्जु में हैं: दरिद्रता।</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>दोनों पाद रज्जु में हैं: भटकाव।</translation>
    </message>
    <message>
        <source>Uttamam</source>
        <translation>उत्तम</translation>
    </message>
    <message>
        <source>Madhyamam</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Adhamam</source>
        <translation>अधम</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is good when shared.</source>
        <translation>दोनों का जन्म %1 में है, जो साझा होने पर शुभ नक्षत्र है।</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>दोनों का जन्म %1 में है, जो साझा होने पर मध्यम नक्षत्र है।</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>दोनों का जन्म %1 में है, जो साझा होने पर शुभ नक्षत्र नहीं है।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>कन्या के नक्षत्र से वर के नक्षत्र तक गिनती: %1।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>कन्या के नक्षत्र से वर के नक्षत्र तक गिनती: %1; वर का चरण %2 है।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>कन्या के नक्षत्र से वर के नक्षत्र तक गिनती: 27, एक ही राशि में।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>कन्या के नक्षत्र से वर के नक्षत्र तक गिनती: 27, दो राशियों में।</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>वर का गण %1 है, कन्या का %2।</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>दोनों की योनि %1 है।</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>वर की योनि %1 और कन्या की %2 परस्पर शत्रु हैं।</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>वर की योनि %1 और कन्या की %2 परस्पर शत्रु नहीं हैं।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>कन्या की राशि से वर की राशि तक गिनती: %1।</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>दोनों %1 में हैं; वर का नक्षत्र पहले आता है।</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>दोनों %1 में हैं; कन्या का नक्षत्र पहले आता है।</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>दोनों का जन्म %1 में है; वर का चरण %2 कन्या के चरण %3 से पहले है।</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>दोनों का जन्म %1 में है; वर का चरण %2 कन्या के चरण %3 से पहले नहीं है।</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>दोनों राशियों का स्वामी %1 है।</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>स्वामी %1 और %2: परस्पर मित्र।</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>स्वामी %1 और %2: एक दूसरे का शत्रु है।</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>स्वामी %1 और %2: न मित्र, न शत्रु।</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>वर की राशि %1 कन्या की राशि %2 के वश्य है।</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>कन्या की राशि %1 वर की राशि %2 के वश्य है।</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1 और %2 में से कोई भी दूसरी के वश्य नहीं है।</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>भिन्न रज्जु: वर की %1, कन्या की %2।</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1 और %2 परस्पर वेध करते हैं।</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1 और %2 परस्पर वेध नहीं करते।</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>मिलने वाले पोरुत्तम: 10 में से %1</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>अंक: 10 में से %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>निर्णय: उत्तम</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>निर्णय: मध्यम</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>निर्णय: अधम</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>दोष: कोई नहीं</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>दोष: रज्जु और वेध</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>दोष: रज्जु</translation>
    </message>
    <message>
        <source>Doshas: Vedha</source>
        <translation>दोष: वेध</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>श्रेणी</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>कारण</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Matching poruthams</source>
        <translation>मिलने वाले पोरुत्तम</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>पोरुत्तम अंक</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>पोरुत्तम निर्णय</translation>
    </message>
    <message>
        <source>Porutham doshas</source>
        <translation>पोरुत्तम दोष</translation>
    </message>
</context>
<context>
    <name>PreciseChart</name>
    <message>
        <source>Swiss Ephemeris, Lahiri ayanamsa, apparent positions</source>
        <translation>स्विस एफ़ेमेरिस, लाहिड़ी अयनांश, आभासी ग्रह स्थितियाँ</translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation>अयनांश: %1</translation>
    </message>
    <message>
        <source>Lagna / Asc: %1 (%2)</source>
        <translation>लग्न: %1 (%2)</translation>
    </message>
    <message>
        <source>Nakshatra: %1, pada %2, lord %3</source>
        <translation>नक्षत्र: %1, चरण %2, स्वामी %3</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign: %1</source>
        <translation>राशि (चन्द्र राशि): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>लग्न से मंगल भाव %1 में है: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>चन्द्र से मंगल भाव %1 में है: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फ़ोल्डर</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>बदलने की तिथि</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>पिछला पृष्ठ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहला पृष्ठ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>अंतिम पृष्ठ</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>चौड़ाई में फ़िट करें</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूरा पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>आमने-सामने के पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सभी पृष्ठों का सार दिखाएँ</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>प्रिंट पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>बाएँ खिसकाएँ</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>दाएँ खिसकाएँ</translation>
    </message>
</context>
<context>
    <name>Rashis</name>
    <message>
        <source>Mesha</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम लग्न</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute South</source>
        <translation>अक्षांश: %1 अंश %2 कला दक्षिण</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute North</source>
        <translation>अक्षांश: %1 अंश %2 कला उत्तर</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute East</source>
        <translation>देशांतर: %1 अंश %2 कला पूर्व</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>देशांतर: %1 अंश %2 कला पश्चिम</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>समय क्षेत्र: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>डेलाइट सेविंग: हाँ</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>डेलाइट सेविंग: नहीं</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>ग्रह स्थितियाँ Tirovane के अपने एफ़ेमेरिस से (लाहिड़ी अयनांश)।</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>%2 %1 %3 को %4 बजे बनाया गया</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>मांगलिक मिलान फलादेश</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 और %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>प्रभाव &amp; उपाय</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>आपके साथी का विवरण</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>वैदिक ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>अन्य वैदिक विवरण</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>मांगलिक विश्लेषण</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>मांगलिक मिलान</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>लग्न से मांगलिक विश्लेषण</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>चन्द्र से मांगलिक विश्लेषण</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>नाम: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>जन्म दिनांक: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>जन्म समय: %1 घंटे %2 मिनट </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>अक्षांश: %1 अंश %2 कला</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>देशांतर: %1 अंश %2 कला</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>शहर: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>राज्य: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>देश: %1</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa). The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>ग्रह स्थितियाँ स्विस एफ़ेमेरिस से (लाहिड़ी अयनांश)। स्विस एफ़ेमेरिस की फ़ाइलें नहीं मिलीं, इसलिए उसके कम सटीक विश्लेषणात्मक सिद्धांत का उपयोग किया गया।</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>ग्रह स्थितियाँ स्विस एफ़ेमेरिस से (लाहिड़ी अयनांश)।</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>मांगलिक दोष के उपाय</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>मांगलिक होने के दुष्प्रभावों से बचने या छुटकारा पाने के कुछ उपाय यहाँ दिए गए हैं।</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) नियमित रूप से हनुमान चालीसा का पाठ करें। </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) मंगलवार को भोजन करने से परहेज़ करें।</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) प्रतिदिन 108 बार गायत्री मंत्र का जाप करें।</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) तुलसीदास कृत रामचरितमानस के सुंदरकांड का 40 दिनों तक पाठ करें। इसकी शुरुआत किसी मंगलवार से करें।</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) लाल रंग का कपड़ा खदानों में काम करने वालों को या लोहारों को दान करें।</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) किसी विद्वान वैदिक ज्योतिषी से घर पर हनुमान साधना करवाएँ।</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) मंदिरों के आस-पास लोगों को सिंदूर, मिठाई और घी का जलता हुआ दीपक बाँटें।</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>मांगलिक होने के प्रभाव</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>मांगलिक दोष या मंगल दोष संभवतः हाल के समय में वैदिक ज्योतिष के सबसे अधिक चर्चित विषयों में से एक है। विवाह से पहले आपकी और आपके मंगेतर की कुंडलियों का मिलान करके यह जाँचना अनिवार्य है कि आप मांगलिक हैं या नहीं। जब मंगल ग्रह इनमें से किसी भी भाव में बैठा हो, तो व्यक्ति मांगलिक हो जाता है: प्रथम, चतुर्थ, सप्तम, अष्टम और द्वादश। मांगलिक होने के प्रभाव दीर्घकालिक और घातक हो सकते हैं। निःसंदेह, कुछ अन्य बातें भी हैं जो मंगल के प्रभाव को बढ़ाने या घटाने में बड़ी भूमिका निभाती हैं, पर वे हर किसी की कुंडली में नहीं होतीं, इसलिए मंगल दोष के दुष्प्रभावों के लिए तैयार रहें:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) विवाह की प्रक्रिया में अत्यधिक विलंब।</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) कष्टमय वैवाहिक जीवन</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) पति-पत्नी के बीच असामंजस्य।</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) तलाक।</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) जीवनसाथी की मृत्यु।</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) प्रसव में जटिलताएँ।</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>विवाह से जुड़ी समस्याओं के अलावा, आपके जीवन के विभिन्न क्षेत्रों में भी समस्याएँ उत्पन्न हो सकती हैं, जैसे</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) व्यावसायिक जीवन में समस्याएँ, जैसे करियर की देर से शुरुआत</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) शिक्षा में अनियमितता</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) आर्थिक संकट</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) चिंता और तनाव</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) यौन असंतोष</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) परिवार के साथ लगातार टकराव</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>चन्द्र</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>राशि (चन्द्र राशि)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>लग्न की स्थिति</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>पुनश्च: मंगल दोष के निवारण के लिए विस्तृत परामर्श हेतु कृपया किसी ज्योतिषी से संपर्क करें।</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>मंगल दोष पर विस्तृत सलाह और परामर्श के लिए Tirovane का होम पेज देखें।</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>सटीक एफ़ेमेरिस की सूचना</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>सटीक कुंडली देखें</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>प्रभाव &amp;&amp; उपाय</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>%1 की सटीक कुंडली</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>सटीक कुंडली</translation>
    </message>
</context>
<context>
    <name>SignAbbreviations</name>
    <message>
        <source>Ari</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>वृष</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुम्भ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांश की कला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>कृपया शहर का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>कृपया राज्य का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>कृपया देश का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांश की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया देशांतर की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>कृपया सही अक्षांश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>कृपया सही देशांतर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही दिनांक या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही दिनांक या महीना दर्ज करें !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>आवश्यक फ़ाइल उपलब्ध नहीं है। कृपया सॉफ़्टवेयर फिर से इंस्टॉल करें।</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक दर्ज करें</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>लिंक</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियाई केंद्रीय डेलाइट समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियाई केंद्रीय मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बग़दाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>केंद्रीय डेलाइट समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>केंद्रीय यूरोपीय डेलाइट समय,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>केंद्रीय यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>केंद्रीय मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>केंद्रीय युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तटीय समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी डेलाइट समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच माध्य समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>माउंटेन डेलाइट समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>माउंटेन मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>माउंटेन युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तरी सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत डेलाइट समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिणी सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वभौमिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत संघ क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत संघ क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत संघ क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत संघ क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत संघ क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकॉन डेलाइट समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकॉन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकॉन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
</context>
</TS>
