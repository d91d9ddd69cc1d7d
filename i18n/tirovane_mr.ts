<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane दोन व्यक्तींमधील मांगलिक अनुकूलता दाखवते. असे मानले जाते की दोन्ही जोडीदार मांगलिक असल्यास, दोघांपैकी एक जोडीदार मांगलिक नसलेल्या स्थितीपेक्षा हे मेलन अधिक योग्य ठरते. Tirovane हे GNU Affero General Public License च्या आवृत्ती 3 किंवा त्यानंतरच्या कोणत्याही आवृत्तीअंतर्गत उपलब्ध असलेले मुक्त सॉफ्टवेअर आहे.</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>स्थाने: GeoNames (geonames.org), CC BY 4.0. ऐतिहासिक वेळ क्षेत्रे: IANA वेळ क्षेत्र डेटाबेस.</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane च्या मुख्यपृष्ठाला भेट द्या</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घरबसल्या व्यवसायाची संधी. स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. तुमच्या संकेतस्थळासाठी हे सॉफ्टवेअर पूर्णपणे तुमच्या ब्रँडसह मिळवा.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
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
        <translation>चंद्र</translation>
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
        <translation>मंगळ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरू</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनी</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहू</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतू</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम भाव मध्य</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>चंद्र</translation>
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
        <translation>मंगळ</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>गुरू</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>शनी</translation>
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
        <translation>स्थान %1, राशी %2, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>स्थान %1 ची राशी</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>राशी %1, %2</translation>
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
        <translation>अमांगलिक (दोष रद्द झाल्यामुळे)</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>मांगलिक नाही</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>अचूक एफेमेरिसनुसार मंगळ %1 वर आहे, म्हणजे लग्नापासून स्थान %2 मध्ये: लग्नापासूनचा निष्कर्ष तोच राहतो.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>अचूक एफेमेरिसनुसार मंगळ %1 वर आहे, म्हणजे चंद्रापासून स्थान %2 मध्ये: चंद्रापासूनचा निष्कर्ष तोच राहतो.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>अचूक एफेमेरिसनुसार मंगळ %1 वर आहे, म्हणजे लग्नापासून स्थान %2 मध्ये: लग्नापासून या व्यक्तीचा निष्कर्ष %3 असा येईल.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>अचूक एफेमेरिसनुसार मंगळ %1 वर आहे, म्हणजे चंद्रापासून स्थान %2 मध्ये: चंद्रापासून या व्यक्तीचा निष्कर्ष %3 असा येईल.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>स्विस एफेमेरिसच्या फाइली सापडल्या नाहीत, म्हणून त्याचा कमी अचूक विश्लेषणात्मक सिद्धांत वापरला गेला.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>अचूक एफेमेरिस या कुंडलीची गणना करू शकले नाही.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>अचूक एफेमेरिस या कुंडलीची गणना करू शकले नाही: %1.</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>दाखवलेल्या ग्रहस्थिती Tirovane च्या स्वतःच्या गणन पद्धतीनुसार आहेत.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>अचूक एफेमेरिसनुसार लग्न %1 वर आहे, %2 राशीत नाही: लग्नापासूनची स्थाने तेथूनच मोजली जातात.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>अचूक एफेमेरिसनुसार चंद्र %1 वर आहे, %2 राशीत नाही: चंद्रापासूनची स्थाने तेथूनच मोजली जातात.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>अचूक एफेमेरिसनुसार चंद्र %1 नक्षत्रात आहे, %2 नक्षत्रात नाही: त्याबरोबर चरण आणि स्वामीही बदलतात.</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>जतन करा (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>मागे (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहेर पडा (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG म्हणून जतन करा (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane चर्चामंचावर वैदिक ज्योतिषाच्या चर्चेत सहभागी व्हा.</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>या राशी कुंडलीचे विश्लेषण Tirovane च्या संकेतस्थळावर करून घ्या.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घरबसल्या व्यवसायाची संधी. स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. तुमच्या संकेतस्थळासाठी हे सॉफ्टवेअर पूर्णपणे तुमच्या ब्रँडसह मिळवा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>तुमच्या स्वतःच्या संकेतस्थळासाठी हे सॉफ्टवेअर सह-ब्रँड करा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नवीन (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>या नावाने जतन करा (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>अहवाल निर्यात करा (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>कुंडली मजकूर म्हणून निर्यात करा (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>मुद्रित करा (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>व्यक्ती (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>व्यक्तिसंग्रह उघडा (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>साधनपट्टी (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>स्थितिपट्टी (&amp;S)</translation>
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
        <translation>भारतीय जन्मकुंडली (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>मेलन (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 गुण (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>दहा पोरुत्तम (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>दोन्ही (&amp;B)</translation>
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
        <translation>वर्ग कुंडल्या (&amp;D)</translation>
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
        <translation>सप्तमांश (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>नवमांश (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>दशमांश (&amp;A)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>द्वादशांश (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>अचूक ग्रहस्थिती (स्विस एफेमेरिस) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>साधनपट्टी</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नवीन</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>मुद्रित करा</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदत</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane दोन व्यक्तींमधील मांगलिक अनुकूलता दाखवते. असे मानले जाते की दोन्ही जोडीदार मांगलिक असल्यास, दोघांपैकी एक जोडीदार मांगलिक नसलेल्या स्थितीपेक्षा हे मेलन अधिक योग्य ठरते. </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पूर्वी जतन केलेला फलादेश उघडा (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>सविस्तर सल्ला आणि मार्गदर्शनासाठी Tirovane च्या मुख्यपृष्ठाला भेट द्या.</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>तुमच्या संकेतस्थळासाठी हे सॉफ्टवेअर पूर्णपणे तुमच्या ब्रँडसह मिळवा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>तुमच्या स्वतःच्या संकेतस्थळासाठी हे सॉफ्टवेअर सह-ब्रँड करा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>तुमची वैयक्तिक माहिती</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>तुमच्या जोडीदाराची वैयक्तिक माहिती</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्माचा दिवस</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्माचा महिना</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्माचे वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्माचा तास</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्माचे मिनिट</translation>
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
        <translation>अक्षांशाचे अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांशाच्या कला</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>रेखांशाचे अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>रेखांशाच्या कला</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>वेळ क्षेत्र</translation>
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
        <translation>रेखांश</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेव्हिंग वेळ</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; रेखांश शोधण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्मतारीख</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्मवेळ</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>तास/मिनिट</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>पुढे (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>मांगलिक मेलन फलादेश पाहा (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>मागे (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>तुमच्या वैयक्तिक माहितीकडे परत जा</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>माझी राशी कुंडली तयार करा (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>व्यक्ती (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>व्यक्तिसंग्रह उघडा (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहेर पडा (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>दिलेले नाही</translation>
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
        <source>Please Enter City</source>
        <translation>कृपया शहर नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश नोंदवा</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>वापरलेले वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>जन्मस्थान</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>स्थानांची यादी वाचता आली नाही: %1</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 महादशेतील अंतर्दशा</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>नवमांश: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>नवमांश आणि दशा</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>दशा</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशी</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>नवमांश</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>वयानुसार दोघांच्या महादशा</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>विंशोत्तरी दशेचे कालखंड</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>तारखा आणि वय एक वर्ष 365.25 दिवसांचे मानून मोजले आहेत; वर्षाची वेगळी लांबी वापरणारे प्रोग्राम काही दिवसांच्या फरकाने तारखा देतात.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>वय (वर्षांत)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>कालखंड</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>प्रारंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>समाप्ती</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>प्रारंभीचे वय</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>समाप्तीचे वय</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>%1 दशा: जन्मवेळी %2 %3 %4 शिल्लक</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n वर्ष</numerusform>
            <numerusform>%n वर्षे</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n महिना</numerusform>
            <numerusform>%n महिने</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n दिवस</numerusform>
            <numerusform>%n दिवस</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 वर्षे %2 महिने</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>जन्मापूर्वी</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>लग्नापासून मंगळाचे स्थान %1 आहे</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>चंद्रापासून मंगळाचे स्थान %1 आहे</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>मंगळ दोषाची टक्केवारी %1 आहे</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>तुमच्या कुंडलीतील इतर ग्रहस्थितींमुळे तुमचा मंगळ दोष रद्द झाला आहे. </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>ही व्यक्ती मांगलिक आहे</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>ही व्यक्ती मांगलिक नाही</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>ही व्यक्ती अमांगलिक आहे</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>तुमचे जोडीदार %1 मांगलिक आहेत</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>नमस्कार %1, तुम्ही मांगलिक आहात</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>तुमचे जोडीदार %1 मांगलिक नाहीत</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>नमस्कार %1, तुम्ही मांगलिक नाही</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>तुमचे जोडीदार %1 अमांगलिक आहेत</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>नमस्कार %1, तुम्ही अमांगलिक आहात</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>मंगळ %1 राशीत</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>मंगळ %1 राशीत, द्वितीय स्थानात</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>मंगळ %1 राशीत, चतुर्थ स्थानात</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>मंगळ %1 राशीत, सप्तम स्थानात</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>मंगळ %1 राशीत, अष्टम स्थानात</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>मंगळ %1 राशीत, द्वादश स्थानात</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>मंगळ गुरूपासून 10° च्या आत</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>मंगळ बुधापासून 10° च्या आत</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>दोष रद्द: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>मंगळ दोष निष्प्रभ झाला आहे.</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>तुमच्या कुंडलीत मांगलिक दोष नाही.</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>मंगळ दोष निष्प्रभ झालेला नाही. अधिक माहितीसाठी कृपया एखाद्या ज्योतिषाचा सल्ला घ्या.</translation>
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
        <translation>योनी</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>ग्रहमैत्री</translation>
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
        <translation>कीटक</translation>
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
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगळ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरू</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनी</translation>
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
        <translation>आद्य</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>मध्य</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>अंत्य</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 गुणांचे मेलन</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>नाडी दोष: नाही</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>भकूट दोष: नाही</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>नाडी दोष: आहे</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>भकूट दोष: आहे</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>नाडी दोष: रद्द</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>भकूट दोष: रद्द</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>शिफारस नाही: 36 पैकी 18 पेक्षा कमी गुण</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>स्वीकारार्ह मेलन</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>चांगले मेलन</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>उत्तम मेलन</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>पहिली व्यक्ती वरपक्षात आणि जोडीदार वधूपक्षात धरून गुण मोजले आहेत.</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>जोडीदार वरपक्षात आणि पहिली व्यक्ती वधूपक्षात धरून गुण मोजले आहेत.</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>पहिली व्यक्ती</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>जोडीदार</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>कमाल</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>एकूण</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>एकूण गुण</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>मेलनाचा निष्कर्ष</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>नाडी दोष</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>भकूट दोष</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदत (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>आमच्या संकेतस्थळाला भेट द्या (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ्टवेअर अद्यतन तपासा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेअरविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमवा (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>देणगी द्या (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>देणगी द्या</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>या फाइलच्या खूप जास्त प्रती आहेत %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> नवीन फाइल तयार करता आली नाही %1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>चित्र %1 मध्ये लिहिता आले नाही: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>चित्र %1 म्हणून जतन करता आले नाही: %2.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>प्रिंटर सुरू करता आला नाही.</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane फलादेश (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>फाइल %1 लिहिता आली नाही: %2.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फाइल निवडा</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फाइल तपासा.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>फाइल %1 उघडता आली नाही: %2.</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>व्यक्तिसंग्रह उघडा</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>व्यक्तिसंग्रह (*.sqlite)|*.sqlite</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG चित्र (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>गंतव्य मजकूर फाइल निवडा </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>कुंडली मजकूर स्वरूपात (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF अहवाल (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>अहवाल तयार करता आला नाही.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जानेवारी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फेब्रुवारी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>एप्रिल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मे</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलै</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ऑगस्ट</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सप्टेंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ऑक्टोबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नोव्हेंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>डिसेंबर</translation>
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
        <translation>मृग</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसू</translation>
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
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
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
        <translation>स्वाती</translation>
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
        <translation>मूळ</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढा</translation>
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
        <translation>शततारका</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>पूर्वा भाद्रपदा</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपदा</translation>
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
        <translation>%1 येथे कोणताही व्यक्तिसंग्रह नाही.</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 हा व्यक्तिसंग्रह नाही; तो आहे तसाच ठेवला आहे.</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>व्यक्तिसंग्रह %1 हा Tirovane च्या नवीन आवृत्तीने लिहिलेला आहे.</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>व्यक्तिसंग्रह %1 बदलता येत नाही: तो केवळ वाचनीय आहे.</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>व्यक्तिसंग्रह %1 दुसऱ्या प्रोग्राममध्ये वापरात आहे; थोड्या वेळाने पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>संग्रहात अशी कोणतीही व्यक्ती नाही.</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>व्यक्तिसंग्रह %1 वापरता आला नाही: %2.</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>संग्रहात Id %1 असलेली कोणतीही व्यक्ती नाही.</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 आधीपासूनच संग्रहात आहे (Id %2).</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>काहीही आयात झाले नाही: %n ओळ चुकीची आहे.</numerusform>
            <numerusform>काहीही आयात झाले नाही: %n ओळी चुकीच्या आहेत.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्मतारीख</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>वेळ</translation>
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
        <translation>पोरुत्तम निष्कर्ष</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>रज्जू</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>मांगलिक अनुकूलता</translation>
    </message>
    <message>
        <source>None</source>
        <translation>नाही</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>आहे</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>रद्द</translation>
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
        <translation>जुळते</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>अनुकूल</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>अनुकूल नाही</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>%1 साठी मेलन</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>किमान गुण (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>किमान गुण</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>नाडी, भकूट आणि रज्जू दोष असलेली स्थळे लपवा (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>स्थळे, सर्वोत्तम आधी</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>एकूण गुणांपर्यंत पोहोचणारी स्थळे</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV निर्यात करा (&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF निर्यात करा (&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>दाखवलेली स्थळे: %2 पैकी %1</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>क्रमवारी निर्यात करा</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV फाइल (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF फाइल (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF तयार करता आली नाही.</translation>
    </message>
    <message>
        <source>People</source>
        <translation>व्यक्ती</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>शोधा (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>नाव किंवा स्थान, कोणत्याही लिपीत</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>शोधा</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>संग्रहातील व्यक्ती</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>पहिली व्यक्ती म्हणून घ्या (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>जोडीदार म्हणून घ्या (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>सर्वांशी मेलन करा (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>संपादित करा (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>हटवा (&amp;D)…</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>तुमची माहिती जोडा (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>जोडीदाराची माहिती जोडा (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>आयात करा (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>निर्यात करा (&amp;X)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>दाखवलेल्या व्यक्ती: %1 (संग्रहात %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1 यांना संग्रहातून हटवायचे का?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>व्यक्ती आयात करा</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>व्यक्ती (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>व्यक्ती आयात होत आहेत…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>ओळ %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>फाइलमधील %n ओळ आयात करता येत नाही.</numerusform>
            <numerusform>फाइलमधील %n ओळी आयात करता येत नाहीत.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>फक्त उरलेल्या ओळी आयात करायच्या का?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>जोडलेल्या व्यक्ती: %1. आधीपासूनच संग्रहात: %2.</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>व्यक्ती निर्यात करा</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV फाइल (*.csv)|*.csv|JSON ओळी (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>व्यक्ती संपादित करा</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>दिलेले नाही</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाव (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>लिंग (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>टिपा (&amp;O):</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>गावाचे नाव लिहा, मग ते यादीतून निवडा</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>जन्मस्थान</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>जन्मगावाचे नाव लिहा आणि ते यादीतून निवडा: त्यामुळे शहर, राज्य, देश, अक्षांश, रेखांश, वेळ क्षेत्र आणि डेलाइट सेव्हिंग आपोआप भरले जातात.</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>जुळणारी स्थाने</translation>
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
        <translation>एका मिनिटापेक्षा कमी</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 मिनिट</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 मिनिटे</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3 रोजी %2: प्रमाण वेळ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3 रोजी %2: डेलाइट सेव्हिंग वेळ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3 रोजी %2: युद्धकालीन वेळ</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3 रोजी %2: स्थानिक मध्यम वेळ</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%2 रोजी %1 ही वेळ %3 मध्ये अस्तित्वातच नव्हती: घड्याळे %4 वरून %5 वर पुढे केली गेली होती; ती %4 मानली आहे.</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%2 रोजी %1 ही वेळ %3 मध्ये दोनदा आली (आधी %4, नंतर %5); पहिली मानली आहे.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>यादीतील कोणत्याही वेळ क्षेत्राचा फरक %1 नाही: &quot;%2&quot; निवडल्यास जन्माचा क्षण %3 उशिरा येतो.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>यादीतील कोणत्याही वेळ क्षेत्राचा फरक %1 नाही: &quot;%2&quot; निवडल्यास जन्माचा क्षण %3 लवकर येतो.</translation>
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
        <translation>माहेंद्र</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>स्त्री दीर्घ</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>योनी</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>राशी</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>राशी अधिपती</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>रज्जू</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>वेध</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>दहा पोरुत्तम</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पाद</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>कटी</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>नाभी</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>कंठ</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>शिरो</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>दोघेही शिरो रज्जूमध्ये आहेत: पतीला धोका.</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>दोघेही कंठ रज्जूमध्ये आहेत: पत्नीला धोका.</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>दोघेही नाभी रज्जूमध्ये आहेत: संततीला धोका.</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>दोघेही कटी रज्जूमध्ये आहेत: दारिद्र्य.</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>दोघेही पाद रज्जूमध्ये आहेत: भटकंती.</translation>
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
        <translation>दोघांचाही जन्म %1 नक्षत्रात आहे; हे नक्षत्र दोघांचे एकच असणे शुभ आहे.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>दोघांचाही जन्म %1 नक्षत्रात आहे; हे नक्षत्र दोघांचे एकच असणे मध्यम आहे.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>दोघांचाही जन्म %1 नक्षत्रात आहे; हे नक्षत्र दोघांचे एकच असणे शुभ नाही.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>वधूच्या नक्षत्रापासून वराच्या नक्षत्रापर्यंत मोजणी: %1.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>वधूच्या नक्षत्रापासून वराच्या नक्षत्रापर्यंत मोजणी: %1; वराचे चरण %2 आहे.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>वधूच्या नक्षत्रापासून वराच्या नक्षत्रापर्यंत मोजणी: 27, एकाच राशीत.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>वधूच्या नक्षत्रापासून वराच्या नक्षत्रापर्यंत मोजणी: 27, दोन राशींमध्ये.</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>वराचा गण %1 आहे, वधूचा %2.</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>दोघांचीही योनी %1 आहे.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>वराची योनी %1 आणि वधूची %2 परस्पर शत्रू आहेत.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>वराची योनी %1 आणि वधूची %2 परस्पर शत्रू नाहीत.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>वधूच्या राशीपासून वराच्या राशीपर्यंत मोजणी: %1.</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>दोघेही %1 राशीत आहेत; वराचे नक्षत्र आधी येते.</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>दोघेही %1 राशीत आहेत; वधूचे नक्षत्र आधी येते.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>दोघांचाही जन्म %1 नक्षत्रात आहे; वराचे चरण %2 वधूच्या चरण %3 पेक्षा आधीचे आहे.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>दोघांचाही जन्म %1 नक्षत्रात आहे; वराचे चरण %2 वधूच्या चरण %3 पेक्षा आधीचे नाही.</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>दोन्ही राशींचा स्वामी %1 आहे.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>स्वामी %1 आणि %2: परस्पर मित्र.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>स्वामी %1 आणि %2: एक दुसऱ्याचा शत्रू आहे.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>स्वामी %1 आणि %2: ना मित्र, ना शत्रू.</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>वराची %1 राशी वधूच्या %2 राशीला वश्य आहे.</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>वधूची %1 राशी वराच्या %2 राशीला वश्य आहे.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1 आणि %2 यांपैकी कोणतीही राशी दुसरीला वश्य नाही.</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>भिन्न रज्जू: वराची %1, वधूची %2.</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1 आणि %2 यांचा परस्पर वेध होतो.</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1 आणि %2 यांचा परस्पर वेध होत नाही.</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>जुळणारे पोरुत्तम: 10 पैकी %1</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>गुण: 10 पैकी %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>निष्कर्ष: उत्तम</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>निष्कर्ष: मध्यम</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>निष्कर्ष: अधम</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>दोष: कोणताही नाही</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>दोष: रज्जू आणि वेध</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>दोष: रज्जू</translation>
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
        <translation>जुळणारे पोरुत्तम</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>पोरुत्तम गुण</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>पोरुत्तम निष्कर्ष</translation>
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
        <translation>स्विस एफेमेरिस, लाहिरी अयनांश, दृश्य ग्रहस्थिती</translation>
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
        <translation>राशी (चंद्र राशी): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>लग्नापासून मंगळाचे स्थान %1 आहे: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>चंद्रापासून मंगळाचे स्थान %1 आहे: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>फोल्डर</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फाइल</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>येथे पाहा:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फाइलचे नाव (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फाइलचा प्रकार:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>वरचे फोल्डर</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नवीन फोल्डर तयार करा</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>यादी दृश्य</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>तपशील दृश्य</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>पुढे</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>अलीकडील स्थाने</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>उघडा (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>जतन करा (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>निवडा (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>लपवलेल्या फाइली दाखवा (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटवा (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाव बदला (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>बदलल्याची तारीख</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>संगणक</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नाही (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>मुद्रित करा</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>पुढील पृष्ठ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>मागील पृष्ठ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहिले पृष्ठ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>शेवटचे पृष्ठ</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>रुंदीत बसवा</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूर्ण पृष्ठ बसवा</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>मोठे करा</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>लहान करा</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पृष्ठ दाखवा</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>समोरासमोरची पृष्ठे दाखवा</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सर्व पृष्ठांचे विहंगावलोकन दाखवा</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पृष्ठ मांडणी</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>मुद्रण पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>मुद्रित करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>डावीकडे सरकवा</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>उजवीकडे सरकवा</translation>
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
        <translation>तूळ</translation>
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
        <translation>कुंभ</translation>
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
        <translation>राहू</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतू</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम भाव मध्य</translation>
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
        <translation>रेखांश: %1 अंश %2 कला पूर्व</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>रेखांश: %1 अंश %2 कला पश्चिम</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>वेळ क्षेत्र: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>डेलाइट सेव्हिंग: होय</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>डेलाइट सेव्हिंग: नाही</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>Tirovane च्या स्वतःच्या एफेमेरिसवरून ग्रहस्थिती (लाहिरी अयनांश).</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>%2 %1 %3 रोजी %4 वाजता तयार केला</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>मांगलिक मेलन फलादेश</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 आणि %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>परिणाम &amp; उपाय</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>तुमची माहिती</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>तुमच्या जोडीदाराची माहिती</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>चंद्र राशी</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>वैयक्तिक माहिती</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>वैदिक ग्रहस्थिती</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>इतर वैदिक माहिती</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>मांगलिक विश्लेषण</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>मांगलिक मेलन</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>लग्नापासून मांगलिक विश्लेषण</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>चंद्रापासून मांगलिक विश्लेषण</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>नाव: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>जन्मतारीख: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>जन्मवेळ: %1 तास %2 मिनिटे </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>अक्षांश: %1 अंश %2 कला</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>रेखांश: %1 अंश %2 कला</translation>
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
        <translation>स्विस एफेमेरिसवरून ग्रहस्थिती (लाहिरी अयनांश). स्विस एफेमेरिसच्या फाइली सापडल्या नाहीत, म्हणून त्याचा कमी अचूक विश्लेषणात्मक सिद्धांत वापरला गेला.</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>स्विस एफेमेरिसवरून ग्रहस्थिती (लाहिरी अयनांश).</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>मांगलिक दोषावरील उपाय</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>मांगलिक असण्याचे दुष्परिणाम टाळण्याचे किंवा त्यांपासून सुटका मिळवण्याचे काही उपाय येथे दिले आहेत.</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) नियमितपणे हनुमान चालीसा म्हणा. </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) मंगळवारी उपवास करा.</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) दररोज 108 वेळा गायत्री मंत्राचा जप करा.</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) तुलसीदासांच्या रामचरितमानसातील सुंदरकांडाचे 40 दिवस पठण करा. त्याची सुरुवात एखाद्या मंगळवारी करा.</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) खाणींमध्ये काम करणाऱ्यांना किंवा लोहारांना लाल रंगाचे कापड दान करा.</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) एखाद्या विद्वान वैदिक ज्योतिषाकडून घरी हनुमान साधना करून घ्या.</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) मंदिरांच्या परिसरातील लोकांना शेंदूर, मिठाई आणि तुपाचा तेवता दिवा द्या.</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>मांगलिक असण्याचे परिणाम</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>मांगलिक दोष किंवा मंगळ दोष हा अलीकडच्या काळात वैदिक ज्योतिषातील सर्वाधिक चर्चिल्या जाणाऱ्या विषयांपैकी एक असावा. विवाहापूर्वी तुमच्या आणि तुमच्या भावी जोडीदाराच्या कुंडल्यांचे मेलन करून तुम्ही मांगलिक आहात की नाही हे तपासणे अत्यावश्यक आहे. मंगळ ग्रह पुढीलपैकी कोणत्याही स्थानात असल्यास व्यक्ती मांगलिक ठरते: प्रथम, चतुर्थ, सप्तम, अष्टम आणि द्वादश. मांगलिक असण्याचे परिणाम दीर्घकालीन आणि घातक असू शकतात. अर्थात, मंगळाचा प्रभाव वाढवण्यात किंवा कमी करण्यात मोठी भूमिका बजावणाऱ्या इतर गोष्टीही असतात, पण त्या प्रत्येकाच्या कुंडलीत नसतात, म्हणून मंगळ दोषाच्या दुष्परिणामांसाठी तयार राहा:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) विवाह ठरण्याच्या प्रक्रियेत अतिशय विलंब.</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) त्रासदायक वैवाहिक जीवन</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) पती-पत्नींमध्ये विसंवाद.</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) घटस्फोट.</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) जोडीदाराचा मृत्यू.</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) प्रसूतीमध्ये गुंतागुंत.</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>विवाहाशी संबंधित समस्यांव्यतिरिक्त तुमच्या आयुष्याच्या विविध क्षेत्रांतही समस्या उद्भवू शकतात, जसे की</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) व्यावसायिक जीवनातील समस्या, जसे की कारकिर्दीची उशिरा सुरुवात</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) शिक्षणात अनियमितता</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) आर्थिक संकट</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) चिंता आणि तणाव</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) लैंगिक असमाधान</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) कुटुंबाशी सतत होणारे वाद</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>चंद्र</translation>
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
        <translation>मंगळ</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>गुरू</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>शनी</translation>
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
        <translation>राशी (चंद्र राशी)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>लग्नाची स्थिती</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>ता.क. मंगळ दोषाच्या निवारणासाठी अधिक सविस्तर मार्गदर्शनाकरिता कृपया एखाद्या ज्योतिषाचा सल्ला घ्या.</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>मंगळ दोषाबद्दल सविस्तर सल्ला आणि मार्गदर्शनासाठी Tirovane च्या मुख्यपृष्ठाला भेट द्या.</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>%1 यांची अचूक कुंडली</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>अचूक कुंडली</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>अचूक एफेमेरिसविषयी सूचना</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>अचूक कुंडली पाहा</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>परिणाम &amp;&amp; उपाय</translation>
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
        <translation>वृषभ</translation>
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
        <translation>तूळ</translation>
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
        <translation>कुंभ</translation>
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
        <translation>तूळ</translation>
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
        <translation>कुंभ</translation>
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
        <translation>कृपया नाव नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांशाचे अंश नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांशाच्या कला नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया रेखांशाचे अंश नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया रेखांशाच्या कला नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>कृपया शहराचे नाव नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>कृपया राज्याचे नाव नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>कृपया देशाचे नाव नोंदवा</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया फक्त अक्षरे नोंदवा</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया फक्त अंक नोंदवा</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांशाची दिशा निवडा</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया रेखांशाची दिशा निवडा</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>कृपया योग्य अक्षांश नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>कृपया योग्य रेखांश नोंदवा</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया योग्य तारीख किंवा महिना नोंदवा!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया योग्य तारीख किंवा महिना नोंदवा !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>आवश्यक फाइल सापडत नाही. कृपया सॉफ्टवेअर पुन्हा स्थापित करा.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>दुवा</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट वेळ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई प्रमाण वेळ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन वेळ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक प्रमाण वेळ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन वेळ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियन केंद्रीय डेलाइट वेळ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियन केंद्रीय प्रमाण वेळ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियन पूर्व डेलाइट वेळ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियन पूर्व प्रमाण वेळ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियन पश्चिम डेलाइट वेळ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियन पश्चिम प्रमाण वेळ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अझोरेस वेळ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बगदाद वेळ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग प्रमाण वेळ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राझील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दुहेरी उन्हाळी वेळ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश उन्हाळी वेळ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन वेळ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>केंद्रीय डेलाइट वेळ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>केंद्रीय युरोपीय डेलाइट वेळ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>केंद्रीय युरोपीय वेळ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>केंद्रीय प्रमाण वेळ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>केंद्रीय युद्धकालीन वेळ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन किनारी वेळ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्व डेलाइट वेळ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्व युरोपीय डेलाइट वेळ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्व युरोपीय वेळ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्व प्रमाण वेळ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्व युद्धकालीन वेळ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनिच मध्यम वेळ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ग्वाम प्रमाण वेळ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट वेळ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई प्रमाण वेळ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन वेळ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय वेळ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>आंतरराष्ट्रीय वाररेषा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>आंतरराष्ट्रीय वाररेषा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>इराण वेळ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जपान प्रमाण वेळ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा वेळ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य युरोपीय डेलाइट वेळ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य युरोपीय वेळ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुकास वेळ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>माउंटन डेलाइट वेळ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>माउंटन प्रमाण वेळ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>माउंटन युद्धकालीन वेळ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूझीलंड प्रमाण उन्हाळी वेळ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूझीलंड प्रमाण वेळ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूझीलंड उन्हाळी वेळ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूझीलंड वेळ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफाउंडलंड प्रमाण वेळ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम वेळ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तर सुमात्रा वेळ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>पॅसिफिक डेलाइट वेळ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>पॅसिफिक प्रमाण वेळ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>पॅसिफिक युद्धकालीन वेळ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट वेळ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट वेळ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया प्रमाण वेळ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया प्रमाण वेळ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिण सुमात्रा वेळ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वत्रिक वेळ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोव्हिएत संघ क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम आफ्रिका वेळ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकॉन डेलाइट वेळ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकॉन प्रमाण वेळ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकॉन युद्धकालीन वेळ,YWT,-8.0</translation>
    </message>
</context>
</TS>
