<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane দুজন ব্যক্তির মধ্যে মাঙ্গলিক সামঞ্জস্য দেখায়। মনে করা হয় যে দুই সঙ্গীই মাঙ্গলিক হলে মিলনটি, যেকোনো একজন সঙ্গী মাঙ্গলিক না হওয়ার তুলনায়, বেশি উপযুক্ত হয়। Tirovane একটি মুক্ত সফটওয়্যার, যা GNU Affero General Public License-এর সংস্করণ 3 বা তার পরবর্তী যেকোনো সংস্করণের অধীনে পাওয়া যায়।</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>স্থান: GeoNames (geonames.org), CC BY 4.0। ঐতিহাসিক সময় অঞ্চল: IANA সময় অঞ্চল ডেটাবেস।</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane-এর হোম পেজ দেখুন</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। আপনার ওয়েবসাইটের জন্য এই সফটওয়্যারটি সম্পূর্ণ নিজের ব্র্যান্ডে নিন।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>আরও বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Sun</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>রাহু</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>কেতু</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>দশম লগ্ন</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (ব) </translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>House %1, sign %2, %3</source>
        <translation>ভাব %1, রাশি %2, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>ভাব %1-এর রাশি</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>রাশি %1, %2</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>Manglik</source>
        <translation>মাঙ্গলিক</translation>
    </message>
    <message>
        <source>Non Manglik, the dosha being cancelled</source>
        <translation>অমাঙ্গলিক (দোষ খণ্ডিত হওয়ায়)</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>মাঙ্গলিক নয়</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী মঙ্গলের অবস্থান %1, অর্থাৎ লগ্ন থেকে %2 নম্বর ভাবে: লগ্ন থেকে সিদ্ধান্ত একই থাকে।</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী মঙ্গলের অবস্থান %1, অর্থাৎ চন্দ্র থেকে %2 নম্বর ভাবে: চন্দ্র থেকে সিদ্ধান্ত একই থাকে।</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী মঙ্গলের অবস্থান %1, অর্থাৎ লগ্ন থেকে %2 নম্বর ভাবে: লগ্ন থেকে এই ব্যক্তির ফল হবে %3।</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী মঙ্গলের অবস্থান %1, অর্থাৎ চন্দ্র থেকে %2 নম্বর ভাবে: চন্দ্র থেকে এই ব্যক্তির ফল হবে %3।</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>সুইস এফেমেরিসের ফাইলগুলি পাওয়া যায়নি, তাই এর কম সূক্ষ্ম বিশ্লেষণাত্মক তত্ত্ব ব্যবহার করা হয়েছে।</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>সূক্ষ্ম এফেমেরিস এই কোষ্ঠী গণনা করতে পারেনি।</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>সূক্ষ্ম এফেমেরিস এই কোষ্ঠী গণনা করতে পারেনি: %1।</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>দেখানো গ্রহস্থিতি Tirovane-এর নিজস্ব গণনাপদ্ধতির।</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী লগ্নের অবস্থান %1, %2 রাশিতে নয়: লগ্ন থেকে ভাবগুলি সেখান থেকেই গোনা হয়।</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী চন্দ্রের অবস্থান %1, %2 রাশিতে নয়: চন্দ্র থেকে ভাবগুলি সেখান থেকেই গোনা হয়।</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>সূক্ষ্ম এফেমেরিস অনুযায়ী চন্দ্র %1 নক্ষত্রে আছে, %2 নক্ষত্রে নয়: সেই সঙ্গে এর চরণ ও অধিপতিও বদলে যায়।</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>সংরক্ষণ করুন (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>পিছনে (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG হিসেবে সংরক্ষণ করুন (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane ফোরামে বৈদিক জ্যোতিষের আলোচনায় যোগ দিন।</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>এই রাশিচক্রের বিশ্লেষণ Tirovane-এর ওয়েবসাইটে করিয়ে নিন।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। আপনার ওয়েবসাইটের জন্য এই সফটওয়্যারটি সম্পূর্ণ নিজের ব্র্যান্ডে নিন। আরও বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>আপনার নিজের ওয়েবসাইটের জন্য এই সফটওয়্যারটি কো-ব্র্যান্ড করুন। আরও বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>নতুন (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>অন্য নামে সংরক্ষণ করুন (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>রিপোর্ট রপ্তানি করুন (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>কোষ্ঠী টেক্সট হিসেবে রপ্তানি করুন (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>প্রিন্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>ব্যক্তি (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>ব্যক্তি-সংগ্রহ খুলুন (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>প্রদর্শন (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>টুলবার (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>স্ট্যাটাস বার (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>কোষ্ঠীর ধরন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>উত্তর ভারতীয় (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>দক্ষিণ ভারতীয় (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>ভারতীয় জন্মকোষ্ঠী (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>মিলন (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 গুণ (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>দশ পোরুত্তম (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>দুটিই (&amp;B)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>রঙের ধরন (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>চালু (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>বন্ধ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>কোষ্ঠী (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>বর্গচক্র (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>হোরা (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>দ্রেক্কাণ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>সপ্তাংশ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>নবাংশ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>দশাংশ (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>দ্বাদশাংশ (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>সূক্ষ্ম গ্রহস্থিতি (সুইস এফেমেরিস) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>টুলবার</translation>
    </message>
    <message>
        <source>New</source>
        <translation>নতুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>প্রিন্ট করুন</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সহায়তা</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane দুজন ব্যক্তির মধ্যে মাঙ্গলিক সামঞ্জস্য দেখায়। মনে করা হয় যে দুই সঙ্গীই মাঙ্গলিক হলে মিলনটি, যেকোনো একজন সঙ্গী মাঙ্গলিক না হওয়ার তুলনায়, বেশি উপযুক্ত হয়। </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>আগে সংরক্ষিত ফলাদেশ খুলুন (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>বিস্তারিত উপদেশ ও পরামর্শের জন্য Tirovane-এর হোম পেজ দেখুন।</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>আপনার ওয়েবসাইটের জন্য এই সফটওয়্যারটি সম্পূর্ণ নিজের ব্র্যান্ডে নিন। আরও বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>আপনার নিজের ওয়েবসাইটের জন্য এই সফটওয়্যারটি কো-ব্র্যান্ড করুন। আরও বিস্তারিত জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>আপনার ব্যক্তিগত বিবরণ</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>আপনার সঙ্গীর ব্যক্তিগত বিবরণ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>লিঙ্গ</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>জন্মের দিন</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>জন্মের মাস</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>জন্মের বছর</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>জন্মের ঘণ্টা</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>জন্মের মিনিট</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>অক্ষাংশের অংশ</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>অক্ষাংশের কলা</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>দ্রাঘিমাংশের অংশ</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>দ্রাঘিমাংশের কলা</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>North</source>
        <translation>উত্তর</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>দক্ষিণ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>পূর্ব</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>পশ্চিম</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>দিবালোক সংরক্ষণ সময়</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>অক্ষাংশ &amp;&amp; দ্রাঘিমাংশ জানতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>জন্ম তারিখ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>জন্ম সময়</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>ঘণ্টা/মিনিট</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>অংশ/কলা</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>পরবর্তী (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>মাঙ্গলিক মিলন ফলাদেশ দেখুন (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>পিছনে (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>আপনার ব্যক্তিগত বিবরণে ফিরে যান</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>আমার রাশিচক্র দেখুন (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>ব্যক্তি (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>ব্যক্তি-সংগ্রহ খুলুন (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা (&amp;L)</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>উল্লেখ নেই</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>পুরুষ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>মহিলা</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>অনুগ্রহ করে শহর লিখুন</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>অনুগ্রহ করে রাজ্য লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>অনুগ্রহ করে দেশ লিখুন</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>ব্যবহৃত সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>জন্মস্থান</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>স্থানের তালিকা পড়া যাচ্ছে না: %1</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 মহাদশার অন্তর্দশা</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>নবাংশ: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>নবাংশ ও দশা</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>দশা</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>রাশি</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>নবাংশ</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>বয়স অনুযায়ী দুজনের মহাদশা</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>বিংশোত্তরী দশার কাল</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>তারিখ ও বয়স গণনায় এক বছরকে 365.25 দিন ধরা হয়েছে; বছরের অন্য দৈর্ঘ্য ব্যবহার করে এমন প্রোগ্রামে তারিখ কয়েক দিন আগে-পিছে হতে পারে।</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>চলছে</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>বয়স (বছরে)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>আজ</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>সময়কাল</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>End</source>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>শুরুতে বয়স</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>শেষে বয়স</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>%1 দশা: জন্মকালে ভোগ্য %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n বছর</numerusform>
            <numerusform>%n বছর</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n মাস</numerusform>
            <numerusform>%n মাস</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n দিন</numerusform>
            <numerusform>%n দিন</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 বছর %2 মাস</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>জন্মের আগে</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>লগ্ন থেকে মঙ্গল %1 নম্বর ভাবে আছে</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>চন্দ্র থেকে মঙ্গল %1 নম্বর ভাবে আছে</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>মঙ্গল দোষের শতাংশ  %1</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>আপনার কোষ্ঠীতে অন্যান্য গ্রহের অবস্থানের কারণে আপনার মঙ্গল দোষ খণ্ডিত হয়েছে। </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>এই ব্যক্তি মাঙ্গলিক</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>এই ব্যক্তি মাঙ্গলিক নন</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>এই ব্যক্তি অমাঙ্গলিক</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>আপনার সঙ্গী %1 মাঙ্গলিক</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>নমস্কার %1, আপনি মাঙ্গলিক</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>আপনার সঙ্গী %1 মাঙ্গলিক নন</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>নমস্কার %1, আপনি মাঙ্গলিক নন</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>আপনার সঙ্গী %1 অমাঙ্গলিক</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>নমস্কার %1, আপনি অমাঙ্গলিক</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>মঙ্গল %1 রাশিতে</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>মঙ্গল %1 রাশিতে, দ্বিতীয় ভাবে</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>মঙ্গল %1 রাশিতে, চতুর্থ ভাবে</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>মঙ্গল %1 রাশিতে, সপ্তম ভাবে</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>মঙ্গল %1 রাশিতে, অষ্টম ভাবে</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>মঙ্গল %1 রাশিতে, দ্বাদশ ভাবে</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>মঙ্গল বৃহস্পতি থেকে 10°-এর মধ্যে</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>মঙ্গল বুধ থেকে 10°-এর মধ্যে</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>দোষ খণ্ডিত: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>মঙ্গল দোষ প্রভাবহীন হয়েছে।</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>আপনার কোষ্ঠীতে মাঙ্গলিক দোষ নেই।</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>মঙ্গল দোষ প্রভাবহীন হয়নি। আরও বিস্তারিত জানতে অনুগ্রহ করে কোনো জ্যোতিষীর পরামর্শ নিন।</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>Varna</source>
        <translation>বর্ণ</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>বশ্য</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>তারা</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>যোনি</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>গ্রহমৈত্রী</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>গণ</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>ভকূট</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>নাড়ী</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>ব্রাহ্মণ</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>ক্ষত্রিয়</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>বৈশ্য</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>শূদ্র</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>চতুষ্পদ</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>মানব</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>জলচর</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>বনচর</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>কীট</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>অশ্ব</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>গজ</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>সর্প</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>শ্বান</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>মার্জার</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>মূষিক</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>গো</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>মহিষ</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>ব্যাঘ্র</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>মৃগ</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>বানর</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>নকুল</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>দেব</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>নর</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>রাক্ষস</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>আদি</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>মধ্য</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>অন্ত্য</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 গুণ মিলন</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>নাড়ী দোষ: নেই</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>ভকূট দোষ: নেই</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>নাড়ী দোষ: আছে</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>ভকূট দোষ: আছে</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>নাড়ী দোষ: খণ্ডিত</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>ভকূট দোষ: খণ্ডিত</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>প্রস্তাবিত নয়: 36-এর মধ্যে 18-র কম গুণ</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>গ্রহণযোগ্য মিলন</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>ভালো মিলন</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>উত্তম মিলন</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>প্রথম ব্যক্তিকে বরপক্ষে এবং সঙ্গীকে কন্যাপক্ষে রেখে গুণ গণনা করা হয়েছে।</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>সঙ্গীকে বরপক্ষে এবং প্রথম ব্যক্তিকে কন্যাপক্ষে রেখে গুণ গণনা করা হয়েছে।</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>কূট</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>প্রথম ব্যক্তি</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>সঙ্গী</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>গুণ</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>সর্বোচ্চ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>মোট</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>মোট গুণ</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>মিলনের সিদ্ধান্ত</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>নাড়ী দোষ</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>ভকূট দোষ</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>সহায়তা (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সহায়তা (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইটে আসুন (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>সফটওয়্যার আপডেট খুঁজুন (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার সম্পর্কে (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>দান করুন (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>দান করুন</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>এই ফাইলের অনেক বেশি প্রতিলিপি রয়েছে  %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> নতুন  ফাইল  তৈরি  করা  যাচ্ছে  না%1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>ছবিটি %1-এ লেখা যায়নি: %2।</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>ছবিটি %1 হিসেবে সংরক্ষণ করা যায়নি: %2।</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>প্রিন্টার চালু করা যায়নি।</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane ফলাদেশ (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>%1 ফাইলটি লেখা যায়নি: %2।</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>উৎস ফাইল বেছে নিন</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>অনুগ্রহ করে ফাইলটি পরীক্ষা করুন।</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>%1 ফাইলটি খোলা যায়নি: %2।</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>ব্যক্তি-সংগ্রহ খুলুন</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>ব্যক্তি-সংগ্রহ (*.sqlite)|*.sqlite</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG ছবি (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>গন্তব্য টেক্সট ফাইল বেছে নিন </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>টেক্সট হিসেবে কোষ্ঠী (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF রিপোর্ট (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>রিপোর্ট তৈরি করা যায়নি।</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>জানুয়ারি</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ফেব্রুয়ারি</translation>
    </message>
    <message>
        <source>March</source>
        <translation>মার্চ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>এপ্রিল</translation>
    </message>
    <message>
        <source>May</source>
        <translation>মে</translation>
    </message>
    <message>
        <source>June</source>
        <translation>জুন</translation>
    </message>
    <message>
        <source>July</source>
        <translation>জুলাই</translation>
    </message>
    <message>
        <source>August</source>
        <translation>আগস্ট</translation>
    </message>
    <message>
        <source>September</source>
        <translation>সেপ্টেম্বর</translation>
    </message>
    <message>
        <source>October</source>
        <translation>অক্টোবর</translation>
    </message>
    <message>
        <source>November</source>
        <translation>নভেম্বর</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ডিসেম্বর</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Aswini</source>
        <translation>অশ্বিনী</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>ভরণী</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>কৃত্তিকা</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>রোহিণী</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>মৃগশিরা</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>আর্দ্রা</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>পুনর্বসু</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>পুষ্যা</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>অশ্লেষা</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>মঘা</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>পূর্বফল্গুনী</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>উত্তরফল্গুনী</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>হস্তা</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>চিত্রা</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>স্বাতী</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>বিশাখা</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>অনুরাধা</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>জ্যেষ্ঠা</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>মূলা</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>পূর্বাষাঢ়া</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>উত্তরাষাঢ়া</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>শ্রবণা</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>ধনিষ্ঠা</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>শতভিষা</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>পূর্বভাদ্রপদ</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>উত্তরভাদ্রপদ</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>রেবতী</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>There is no people library at %1.</source>
        <translation>%1-এ কোনো ব্যক্তি-সংগ্রহ নেই।</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 কোনো ব্যক্তি-সংগ্রহ নয়; সেটি যেমন ছিল তেমনই রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>ব্যক্তি-সংগ্রহ %1 Tirovane-এর একটি নতুনতর সংস্করণে লেখা হয়েছে।</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>ব্যক্তি-সংগ্রহ %1 পরিবর্তন করা যাবে না: এটি শুধু পড়ার জন্য।</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>ব্যক্তি-সংগ্রহ %1 অন্য একটি প্রোগ্রাম ব্যবহার করছে; একটু পরে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>সংগ্রহে এমন কোনো ব্যক্তি নেই।</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>ব্যক্তি-সংগ্রহ %1 ব্যবহার করা যায়নি: %2।</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>সংগ্রহে Id %1-এর কোনো ব্যক্তি নেই।</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 আগে থেকেই সংগ্রহে আছেন (Id %2)।</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>কিছুই আমদানি করা হয়নি: %nটি লাইন ত্রুটিপূর্ণ।</numerusform>
            <numerusform>কিছুই আমদানি করা হয়নি: %nটি লাইন ত্রুটিপূর্ণ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>জন্ম তারিখ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>লিঙ্গ</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>গুণ</translation>
    </message>
    <message>
        <source>Nadi Dosha</source>
        <translation>নাড়ী দোষ</translation>
    </message>
    <message>
        <source>Bhakoot Dosha</source>
        <translation>ভকূট দোষ</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>পোরুত্তম</translation>
    </message>
    <message>
        <source>Porutham Verdict</source>
        <translation>পোরুত্তম সিদ্ধান্ত</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>রজ্জু</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>মাঙ্গলিক বিচার</translation>
    </message>
    <message>
        <source>None</source>
        <translation>নেই</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>আছে</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>খণ্ডিত</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>পুরুষ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>মহিলা</translation>
    </message>
    <message>
        <source>Dosha</source>
        <translation>দোষ</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>মিলেছে</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>অনুকূল</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>অনুকূল নয়</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>%1-এর জন্য মিলন</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>ন্যূনতম গুণ (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>ন্যূনতম গুণ</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>নাড়ী, ভকূট বা রজ্জু দোষ থাকলে লুকান (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>পাত্রপাত্রী, সেরা মিলন আগে</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>প্রতিটি মোট গুণে কতজন পৌঁছায়</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV রপ্তানি করুন (&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF রপ্তানি করুন (&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>দেখানো পাত্রপাত্রী: %2 জনের মধ্যে %1 জন</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>ক্রমতালিকা রপ্তানি করুন</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV ফাইল (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF ফাইল (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF তৈরি করা যায়নি।</translation>
    </message>
    <message>
        <source>People</source>
        <translation>ব্যক্তি</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>খুঁজুন (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>নাম বা স্থান, যেকোনো লিপিতে</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>খুঁজুন</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>সংগ্রহের ব্যক্তিরা</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>প্রথম ব্যক্তি হিসেবে নিন (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>সঙ্গী হিসেবে নিন (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>সবার সঙ্গে মেলান (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>সম্পাদনা (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>মুছুন (&amp;D)…</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>আপনার বিবরণ যোগ করুন (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>সঙ্গীর বিবরণ যোগ করুন (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>আমদানি করুন (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>রপ্তানি করুন (&amp;X)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>দেখানো ব্যক্তি: %1 (সংগ্রহে %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1-কে সংগ্রহ থেকে মুছবেন?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>ব্যক্তি আমদানি করুন</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>ব্যক্তি (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>ব্যক্তিদের আমদানি করা হচ্ছে…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল করুন</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>লাইন %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>ফাইলের %nটি লাইন আমদানি করা যাবে না।</numerusform>
            <numerusform>ফাইলের %nটি লাইন আমদানি করা যাবে না।</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>শুধু বাকি লাইনগুলি আমদানি করবেন?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>যোগ করা হয়েছে: %1। আগে থেকেই সংগ্রহে ছিল: %2।</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>ব্যক্তি রপ্তানি করুন</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV ফাইল (*.csv)|*.csv|JSON লাইন (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>ব্যক্তি সম্পাদনা</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>উল্লেখ নেই</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>নাম (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>লিঙ্গ (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>মন্তব্য (&amp;O):</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>শহর বা গ্রামের নাম লিখুন, তারপর তালিকা থেকে বেছে নিন</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>জন্মস্থান</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>জন্মের শহর বা গ্রামের নাম লিখে তালিকা থেকে বেছে নিন: এতে শহর, রাজ্য, দেশ, অক্ষাংশ, দ্রাঘিমাংশ, সময় অঞ্চল ও দিবালোক সংরক্ষণ নিজে থেকেই পূরণ হয়ে যায়।</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>মিলে যাওয়া স্থান</translation>
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
        <translation>এক মিনিটের কম</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 মিনিট</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 মিনিট</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3 তারিখে %2: প্রমাণ সময়</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3 তারিখে %2: দিবালোক সংরক্ষণ সময়</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3 তারিখে %2: যুদ্ধকালীন সময়</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3 তারিখে %2: স্থানীয় গড় সময়</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%2 তারিখের %1 সময়টি %3-এ ছিলই না: ঘড়ির কাঁটা %4 থেকে এগিয়ে %5 করা হয়েছিল; এটিকে %4 ধরা হয়েছে।</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%2 তারিখের %1 সময়টি %3-এ দুবার এসেছিল (প্রথমে %4, পরে %5); প্রথমটি ধরা হয়েছে।</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>তালিকার কোনো সময় অঞ্চলের ব্যবধান %1 নয়: &quot;%2&quot; বেছে নিলে জন্মমুহূর্ত %3 দেরিতে পড়ে।</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>তালিকার কোনো সময় অঞ্চলের ব্যবধান %1 নয়: &quot;%2&quot; বেছে নিলে জন্মমুহূর্ত %3 আগে পড়ে।</translation>
    </message>
</context>
<context>
    <name>Porutham</name>
    <message>
        <source>Dina</source>
        <translation>দিন</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>গণ</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>মাহেন্দ্র</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>স্ত্রী দীর্ঘ</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>যোনি</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>রাশি</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>রাশি অধিপতি</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>বশ্য</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>রজ্জু</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>বেধ</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>দশ পোরুত্তম</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>পাদ</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>কটি</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>নাভি</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>কণ্ঠ</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>শির</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>দুজনেই শির রজ্জুতে: স্বামীর পক্ষে বিপদ।</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>দুজনেই কণ্ঠ রজ্জুতে: স্ত্রীর পক্ষে বিপদ।</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>দুজনেই নাভি রজ্জুতে: সন্তানের পক্ষে বিপদ।</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>দুজনেই কটি রজ্জুতে: দারিদ্র্য।</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>দুজনেই পাদ রজ্জুতে: ভবঘুরে জীবন।</translation>
    </message>
    <message>
        <source>Uttamam</source>
        <translation>উত্তম</translation>
    </message>
    <message>
        <source>Madhyamam</source>
        <translation>মধ্যম</translation>
    </message>
    <message>
        <source>Adhamam</source>
        <translation>অধম</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is good when shared.</source>
        <translation>দুজনেরই জন্ম %1 নক্ষত্রে; এই নক্ষত্র দুজনের একই হলে শুভ।</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>দুজনেরই জন্ম %1 নক্ষত্রে; এই নক্ষত্র দুজনের একই হলে মধ্যম।</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>দুজনেরই জন্ম %1 নক্ষত্রে; এই নক্ষত্র দুজনের একই হলে শুভ নয়।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>কন্যার নক্ষত্র থেকে বরের নক্ষত্র পর্যন্ত গণনা: %1।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>কন্যার নক্ষত্র থেকে বরের নক্ষত্র পর্যন্ত গণনা: %1; বরের চরণ %2।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>কন্যার নক্ষত্র থেকে বরের নক্ষত্র পর্যন্ত গণনা: 27, একই রাশির মধ্যে।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>কন্যার নক্ষত্র থেকে বরের নক্ষত্র পর্যন্ত গণনা: 27, দুটি রাশি জুড়ে।</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>বরের গণ %1, কন্যার %2।</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>দুজনেরই যোনি %1।</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>বরের যোনি %1 এবং কন্যার %2 পরস্পর শত্রু।</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>বরের যোনি %1 এবং কন্যার %2 পরস্পর শত্রু নয়।</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>কন্যার রাশি থেকে বরের রাশি পর্যন্ত গণনা: %1।</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>দুজনেই %1 রাশিতে; বরের নক্ষত্র আগে আসে।</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>দুজনেই %1 রাশিতে; কন্যার নক্ষত্র আগে আসে।</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>দুজনেরই জন্ম %1 নক্ষত্রে; বরের চরণ %2 কন্যার চরণ %3-এর চেয়ে কম।</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>দুজনেরই জন্ম %1 নক্ষত্রে; বরের চরণ %2 কন্যার চরণ %3-এর চেয়ে কম নয়।</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>দুটি রাশিরই অধিপতি %1।</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>অধিপতি %1 ও %2: পরস্পর মিত্র।</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>অধিপতি %1 ও %2: একজন অপরজনের শত্রু।</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>অধিপতি %1 ও %2: মিত্রও নয়, শত্রুও নয়।</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>বরের রাশি %1 কন্যার রাশি %2-এর বশ্য।</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>কন্যার রাশি %1 বরের রাশি %2-এর বশ্য।</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1 ও %2-এর কোনোটিই অপরটির বশ্য নয়।</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>ভিন্ন রজ্জু: বরের %1, কন্যার %2।</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1 ও %2 পরস্পরকে বিদ্ধ করে (বেধ)।</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1 ও %2 পরস্পরকে বিদ্ধ করে না।</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>মিলেছে এমন পোরুত্তম: 10টির মধ্যে %1টি</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>নম্বর: 10-এর মধ্যে %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>সিদ্ধান্ত: উত্তম</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>সিদ্ধান্ত: মধ্যম</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>সিদ্ধান্ত: অধম</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>দোষ: নেই</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>দোষ: রজ্জু ও বেধ</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>দোষ: রজ্জু</translation>
    </message>
    <message>
        <source>Doshas: Vedha</source>
        <translation>দোষ: বেধ</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>পোরুত্তম</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>মান</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>কারণ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Matching poruthams</source>
        <translation>মিলেছে এমন পোরুত্তম</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>পোরুত্তম নম্বর</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>পোরুত্তম সিদ্ধান্ত</translation>
    </message>
    <message>
        <source>Porutham doshas</source>
        <translation>পোরুত্তম দোষ</translation>
    </message>
</context>
<context>
    <name>PreciseChart</name>
    <message>
        <source>Swiss Ephemeris, Lahiri ayanamsa, apparent positions</source>
        <translation>সুইস এফেমেরিস, লাহিড়ী অয়নাংশ, আপাত গ্রহস্থিতি</translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation>অয়নাংশ: %1</translation>
    </message>
    <message>
        <source>Lagna / Asc: %1 (%2)</source>
        <translation>লগ্ন: %1 (%2)</translation>
    </message>
    <message>
        <source>Nakshatra: %1, pada %2, lord %3</source>
        <translation>নক্ষত্র: %1, চরণ %2, অধিপতি %3</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign: %1</source>
        <translation>রাশি (চন্দ্র রাশি): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>লগ্ন থেকে মঙ্গল %1 নম্বর ভাবে: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>চন্দ্র থেকে মঙ্গল %1 নম্বর ভাবে: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>ফোল্ডার</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ফাইল</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>এখানে দেখুন:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ফাইলের নাম (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ফাইলের ধরন:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>উপরের ফোল্ডার</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>তালিকা আকারে</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>বিস্তারিত আকারে</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>সামনে</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>সাম্প্রতিক স্থান</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>খুলুন (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>সংরক্ষণ করুন (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>বেছে নিন (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>লুকানো ফাইল দেখান (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>মুছুন (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>নাম বদলান (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>পরিবর্তনের তারিখ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>আকার</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>কম্পিউটার</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল করুন</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>প্রিন্ট করুন</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>পরের পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>আগের পৃষ্ঠা</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>প্রথম পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>শেষ পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>প্রস্থ বরাবর মানান</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>পুরো পৃষ্ঠা দেখান</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>বড় করুন</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ছোট করুন</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>একটি পৃষ্ঠা দেখান</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>মুখোমুখি পৃষ্ঠা দেখান</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>সব পৃষ্ঠার সংক্ষিপ্ত রূপ দেখান</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>পৃষ্ঠা সেটআপ</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>প্রিন্টের পূর্বদৃশ্য</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>প্রিন্ট করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>বাঁয়ে সরান</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>ডানে সরান</translation>
    </message>
</context>
<context>
    <name>Rashis</name>
    <message>
        <source>Mesha</source>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>মিথুন</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>কর্কট</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>কন্যা</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>তুলা</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>বৃশ্চিক</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>মকর</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>কুম্ভ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>মীন</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rahu</source>
        <translation>রাহু</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>কেতু</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>দশম লগ্ন</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute South</source>
        <translation>অক্ষাংশ: %1 অংশ %2 কলা দক্ষিণ</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute North</source>
        <translation>অক্ষাংশ: %1 অংশ %2 কলা উত্তর</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute East</source>
        <translation>দ্রাঘিমাংশ: %1 অংশ %2 কলা পূর্ব</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>দ্রাঘিমাংশ: %1 অংশ %2 কলা পশ্চিম</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>সময় অঞ্চল: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>দিবালোক সংরক্ষণ: হ্যাঁ</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>দিবালোক সংরক্ষণ: না</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>গ্রহস্থিতি Tirovane-এর নিজস্ব এফেমেরিস থেকে (লাহিড়ী অয়নাংশ)।</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>তৈরির তারিখ: %2 %1 %3, সময়: %4</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>মাঙ্গলিক মিলন ফলাদেশ</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>পৃষ্ঠা %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ও %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>প্রভাব &amp; প্রতিকার</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>আপনার বিবরণ</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>আপনার সঙ্গীর বিবরণ</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>চন্দ্র রাশি</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>ব্যক্তিগত বিবরণ</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>বৈদিক গ্রহস্থিতি</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>অন্যান্য বৈদিক বিবরণ</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>মাঙ্গলিক বিশ্লেষণ</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>মাঙ্গলিক মিলন</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>লগ্ন থেকে মাঙ্গলিক বিশ্লেষণ</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>চন্দ্র থেকে মাঙ্গলিক বিশ্লেষণ</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>নাম: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>জন্ম তারিখ: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>জন্ম সময়: %1 ঘণ্টা %2 মিনিট </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>অক্ষাংশ: %1 অংশ %2 কলা</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>দ্রাঘিমাংশ: %1 অংশ %2 কলা</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>শহর: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>রাজ্য: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>দেশ: %1</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa). The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>গ্রহস্থিতি সুইস এফেমেরিস থেকে (লাহিড়ী অয়নাংশ)। সুইস এফেমেরিসের ফাইলগুলি পাওয়া যায়নি, তাই এর কম সূক্ষ্ম বিশ্লেষণাত্মক তত্ত্ব ব্যবহার করা হয়েছে।</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>গ্রহস্থিতি সুইস এফেমেরিস থেকে (লাহিড়ী অয়নাংশ)।</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>মাঙ্গলিক দোষের প্রতিকার</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>মাঙ্গলিক হওয়ার কুপ্রভাব এড়ানো বা তা থেকে মুক্তি পাওয়ার কয়েকটি উপায় এখানে দেওয়া হল।</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) নিয়মিত হনুমান চালিসা পাঠ করুন। </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) মঙ্গলবার আহার থেকে বিরত থাকুন।</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) প্রতিদিন 108 বার গায়ত্রী মন্ত্র জপ করুন।</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) তুলসীদাসের রামচরিতমানস থেকে সুন্দরকাণ্ড 40 দিন ধরে পাঠ করুন। কোনো এক মঙ্গলবার থেকে শুরু করুন।</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) খনিতে যাঁরা কাজ করেন তাঁদের অথবা কামারদের লাল রঙের কাপড় দান করুন।</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) কোনো বিজ্ঞ বৈদিক জ্যোতিষীকে দিয়ে বাড়িতে হনুমান সাধনা করান।</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) মন্দিরের আশেপাশের মানুষদের মধ্যে সিঁদুর, মিষ্টি ও ঘিয়ের জ্বলন্ত প্রদীপ বিতরণ করুন।</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>মাঙ্গলিক হওয়ার প্রভাব</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>মাঙ্গলিক দোষ বা মঙ্গল দোষ সম্ভবত সাম্প্রতিক কালে বৈদিক জ্যোতিষের সবচেয়ে আলোচিত বিষয়গুলির একটি। বিবাহের আগে আপনার ও আপনার হবু জীবনসঙ্গীর কোষ্ঠী মিলিয়ে আপনি মাঙ্গলিক কি না তা পরীক্ষা করে নেওয়া অত্যন্ত জরুরি। মঙ্গল গ্রহ নিচের যেকোনো ভাবে অবস্থান করলে ব্যক্তি মাঙ্গলিক হন: প্রথম, চতুর্থ, সপ্তম, অষ্টম ও দ্বাদশ। মাঙ্গলিক হওয়ার প্রভাব দীর্ঘস্থায়ী ও মারাত্মক হতে পারে। অবশ্যই আরও কিছু বিষয় আছে যা মঙ্গলের প্রভাব বাড়াতে বা কমাতে বড় ভূমিকা নেয়, কিন্তু সেগুলি সবার কোষ্ঠীতে থাকে না, তাই মঙ্গল দোষের কুপ্রভাবের জন্য প্রস্তুত থাকুন:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) বিবাহের প্রক্রিয়ায় অত্যধিক বিলম্ব।</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) অশান্ত দাম্পত্য জীবন</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) স্বামী-স্ত্রীর মধ্যে অমিল।</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) বিবাহবিচ্ছেদ।</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) জীবনসঙ্গীর মৃত্যু।</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) সন্তান প্রসবে জটিলতা।</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>বিবাহ-সংক্রান্ত সমস্যা ছাড়াও আপনার জীবনের বিভিন্ন ক্ষেত্রে সমস্যা দেখা দিতে পারে, যেমন</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) কর্মজীবনে সমস্যা, যেমন দেরিতে কর্মজীবন শুরু হওয়া</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) পড়াশোনায় অনিয়ম</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) আর্থিক সংকট</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) উদ্বেগ ও মানসিক চাপ</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) যৌন অতৃপ্তি</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) পরিবারের সঙ্গে ক্রমাগত বিরোধ</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>চন্দ্র</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>বৃহস্পতি</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>অয়নাংশ</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>নক্ষত্র</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>চরণ</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>অধিপতি</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>রাশি (চন্দ্র রাশি)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>লগ্নের অবস্থান</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>পুনশ্চ: মঙ্গল দোষ খণ্ডনের বিষয়ে আরও বিস্তারিত পরামর্শের জন্য অনুগ্রহ করে কোনো জ্যোতিষীর সঙ্গে যোগাযোগ করুন।</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>মঙ্গল দোষ বিষয়ে বিস্তারিত উপদেশ ও পরামর্শের জন্য Tirovane-এর হোম পেজ দেখুন।</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>%1-এর সূক্ষ্ম কোষ্ঠী</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>সূক্ষ্ম কোষ্ঠী</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>সূক্ষ্ম এফেমেরিসের বিজ্ঞপ্তি</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>সূক্ষ্ম কোষ্ঠী দেখুন</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>প্রভাব &amp;&amp; প্রতিকার</translation>
    </message>
</context>
<context>
    <name>SignAbbreviations</name>
    <message>
        <source>Ari</source>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>মিথুন</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>কর্কট</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>কন্যা</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>তুলা</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>বৃশ্চিক</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>মকর</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>কুম্ভ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>মীন</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>মেষ</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>বৃষ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>মিথুন</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>কর্কট</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>সিংহ</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>কন্যা</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>তুলা</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>বৃশ্চিক</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ধনু</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>মকর</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>কুম্ভ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>মীন</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>অনুগ্রহ করে নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের অংশ লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের কলা লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের অংশ লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের কলা লিখুন</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>অনুগ্রহ করে শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>অনুগ্রহ করে রাজ্যের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>অনুগ্রহ করে দেশের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>অনুগ্রহ করে শুধু অক্ষর লিখুন</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>অনুগ্রহ করে শুধু সংখ্যা লিখুন</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের দিক বেছে নিন</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের দিক বেছে নিন</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>অনুগ্রহ করে সঠিক অক্ষাংশ লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>অনুগ্রহ করে সঠিক দ্রাঘিমাংশ লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ বা মাস লিখুন!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ বা মাস লিখুন !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>প্রয়োজনীয় ফাইল পাওয়া যাচ্ছে না। অনুগ্রহ করে সফটওয়্যারটি আবার ইনস্টল করুন।</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>লিঙ্ক</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>আলাস্কা/হাওয়াই দিবালোক সময়,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>আলাস্কা/হাওয়াই প্রমাণ সময়,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>আলাস্কা/হাওয়াই যুদ্ধকালীন সময়,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>আটলান্টিক প্রমাণ সময়,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>আটলান্টিক যুদ্ধকালীন সময়,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>অস্ট্রেলীয় কেন্দ্রীয় দিবালোক সময়,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>অস্ট্রেলীয় কেন্দ্রীয় প্রমাণ সময়,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>অস্ট্রেলীয় পূর্বাঞ্চলীয় দিবালোক সময়,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>অস্ট্রেলীয় পূর্বাঞ্চলীয় প্রমাণ সময়,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>অস্ট্রেলীয় পশ্চিমাঞ্চলীয় দিবালোক সময়,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>অস্ট্রেলীয় পশ্চিমাঞ্চলীয় প্রমাণ সময়,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>আজোরেস সময়, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>বাগদাদ সময়, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>বেরিং প্রমাণ সময়,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ব্রাজিল অঞ্চল 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ব্রিটিশ দ্বৈত গ্রীষ্মকালীন সময়,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ব্রিটিশ গ্রীষ্মকালীন সময়,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ব্রিটিশ যুদ্ধকালীন সময়,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>কেন্দ্রীয় দিবালোক সময়,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>কেন্দ্রীয় ইউরোপীয় দিবালোক সময়,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>কেন্দ্রীয় ইউরোপীয় সময়,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>কেন্দ্রীয় প্রমাণ সময়,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>কেন্দ্রীয় যুদ্ধকালীন সময়,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>চীন উপকূলীয় সময়,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>পূর্বাঞ্চলীয় দিবালোক সময়,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>পূর্ব ইউরোপীয় দিবালোক সময়,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>পূর্ব ইউরোপীয় সময়,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>পূর্বাঞ্চলীয় প্রমাণ সময়,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>পূর্বাঞ্চলীয় যুদ্ধকালীন সময়,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>গ্রিনিচ গড় সময়,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>গুয়াম প্রমাণ সময়,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>হাওয়াই দিবালোক সময়,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>হাওয়াই প্রমাণ সময়,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>হাওয়াই যুদ্ধকালীন সময়,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ভারতীয় সময়, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>আন্তর্জাতিক তারিখরেখা পূর্ব,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>আন্তর্জাতিক তারিখরেখা পশ্চিম,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ইরান সময়, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>জাপান প্রমাণ সময়,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>জাভা সময়, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>মধ্য ইউরোপীয় দিবালোক সময়,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>মধ্য ইউরোপীয় সময়,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>মোলুকাস সময়, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>পার্বত্য দিবালোক সময়,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>পার্বত্য প্রমাণ সময়,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>পার্বত্য যুদ্ধকালীন সময়,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>নিউজিল্যান্ড প্রমাণ গ্রীষ্মকালীন সময়,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>নিউজিল্যান্ড প্রমাণ সময়,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>নিউজিল্যান্ড গ্রীষ্মকালীন সময়,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>নিউজিল্যান্ড সময়,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>নিউফাউন্ডল্যান্ড প্রমাণ সময়,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>নোম সময়, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>উত্তর সুমাত্রা সময়,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>প্রশান্ত মহাসাগরীয় দিবালোক সময়,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>প্রশান্ত মহাসাগরীয় প্রমাণ সময়,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>প্রশান্ত মহাসাগরীয় যুদ্ধকালীন সময়,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া দিবালোক সময়,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া দিবালোক সময়,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া প্রমাণ সময়,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া প্রমাণ সময়,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>দক্ষিণ সুমাত্রা সময়,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>সার্বজনীন সময়, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>সোভিয়েত ইউনিয়ন অঞ্চল 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>পশ্চিম আফ্রিকা সময়,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ইউকন দিবালোক সময়,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ইউকন প্রমাণ সময়,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ইউকন যুদ্ধকালীন সময়,YWT,-8.0</translation>
    </message>
</context>
</TS>
