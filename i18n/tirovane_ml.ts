<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. Tirovane is free software under the GNU Affero General Public License, version 3 or later.</source>
        <translation>Tirovane രണ്ടു പേർ തമ്മിലുള്ള ചൊവ്വാദോഷ ചേർച്ച കാണിച്ചുതരുന്നു. പങ്കാളികൾ ഇരുവർക്കും ചൊവ്വാദോഷമുണ്ടെങ്കിൽ, ഒരാൾക്കു മാത്രം ചൊവ്വാദോഷമുള്ള സ്ഥിതിയെക്കാൾ ആ പൊരുത്തം കൂടുതൽ അനുയോജ്യമാണെന്നാണ് വിശ്വാസം. Tirovane, GNU Affero General Public License പതിപ്പ് 3 അല്ലെങ്കിൽ അതിനു ശേഷമുള്ള ഏതെങ്കിലും പതിപ്പ് പ്രകാരമുള്ള സ്വതന്ത്ര സോഫ്റ്റ്‌വെയർ ആണ്.</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0. Historical time zones: the IANA time zone database.</source>
        <translation>സ്ഥലങ്ങൾ: GeoNames (geonames.org), CC BY 4.0. ചരിത്രപരമായ സമയമേഖലകൾ: IANA സമയമേഖലാ ഡേറ്റാബേസ്.</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page</source>
        <translation>Tirovane ഹോം പേജ് സന്ദർശിക്കുക</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>വീട്ടിലിരുന്ന് ബിസിനസ് ചെയ്യാൻ ഒരവസരം. സ്വന്തമായി ഒരു ഇന്റർനെറ്റ് ബിസിനസ് ആരംഭിച്ച് ഓൺലൈനായി പണം സമ്പാദിക്കൂ. നിങ്ങളുടെ വെബ്സൈറ്റിനായി ഈ സോഫ്റ്റ്‌വെയർ പൂർണമായും നിങ്ങളുടെ സ്വന്തം ബ്രാൻഡിൽ നേടൂ.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>കൂടുതൽ വിവരങ്ങൾക്ക് ഇവിടെ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
</context>
<context>
    <name>Bodies</name>
    <message>
        <source>Sun</source>
        <translation>സൂര്യൻ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ചന്ദ്രൻ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ബുധൻ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ശുക്രൻ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ചൊവ്വ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>വ്യാഴം</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ശനി</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>രാഹു</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>കേതു</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>മധ്യലഗ്നം</translation>
    </message>
    <message>
        <source>Surya</source>
        <translation>സൂര്യൻ</translation>
    </message>
    <message>
        <source>Chandra</source>
        <translation>ചന്ദ്രൻ</translation>
    </message>
    <message>
        <source>Budha</source>
        <translation>ബുധൻ</translation>
    </message>
    <message>
        <source>Shukra</source>
        <translation>ശുക്രൻ</translation>
    </message>
    <message>
        <source>Mangala</source>
        <translation>കുജൻ</translation>
    </message>
    <message>
        <source>Guru</source>
        <translation>ഗുരു</translation>
    </message>
    <message>
        <source>Shani</source>
        <translation>ശനി</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (വ) </translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>House %1, sign %2, %3</source>
        <translation>ഭാവം %1, രാശി %2, %3</translation>
    </message>
    <message>
        <source>Sign of house %1</source>
        <translation>%1-ാം ഭാവത്തിന്റെ രാശി</translation>
    </message>
    <message>
        <source>Sign %1, %2</source>
        <translation>രാശി %1, %2</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>Manglik</source>
        <translation>ചൊവ്വാദോഷമുണ്ട്</translation>
    </message>
    <message>
        <source>Non Manglik, the dosha being cancelled</source>
        <translation>ചൊവ്വാദോഷം പരിഹരിക്കപ്പെട്ടു, അതിനാൽ ദോഷമില്ല</translation>
    </message>
    <message>
        <source>Not Manglik</source>
        <translation>ചൊവ്വാദോഷമില്ല</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: the verdict from Lagna stays the same.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ചൊവ്വയുടെ സ്ഥാനം %1 ആണ്, ലഗ്നത്തിൽ നിന്ന് %2-ാം ഭാവം: ലഗ്നത്തിൽ നിന്നുള്ള നിർണയത്തിന് മാറ്റമില്ല.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: the verdict from Chandra stays the same.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ചൊവ്വയുടെ സ്ഥാനം %1 ആണ്, ചന്ദ്രനിൽ നിന്ന് %2-ാം ഭാവം: ചന്ദ്രനിൽ നിന്നുള്ള നിർണയത്തിന് മാറ്റമില്ല.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Lagna: from Lagna this person would be %3.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ചൊവ്വയുടെ സ്ഥാനം %1 ആണ്, ലഗ്നത്തിൽ നിന്ന് %2-ാം ഭാവം: അങ്ങനെയെങ്കിൽ ലഗ്നത്തിൽ നിന്നുള്ള നിർണയം ഇതായിരിക്കും: %3.</translation>
    </message>
    <message>
        <source>A precise ephemeris places Mars at %1, in house %2 from Chandra: from Chandra this person would be %3.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ചൊവ്വയുടെ സ്ഥാനം %1 ആണ്, ചന്ദ്രനിൽ നിന്ന് %2-ാം ഭാവം: അങ്ങനെയെങ്കിൽ ചന്ദ്രനിൽ നിന്നുള്ള നിർണയം ഇതായിരിക്കും: %3.</translation>
    </message>
    <message>
        <source>The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>സ്വിസ് എഫെമെറിസ് ഫയലുകൾ കണ്ടെത്തിയില്ല, അതിനാൽ അതിന്റെ തന്നെ കൃത്യത കുറഞ്ഞ ഗണിതസിദ്ധാന്തം ഉപയോഗിച്ചു.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart.</source>
        <translation>കൃത്യമായ എഫെമെറിസിന് ഈ ഗ്രഹനില കണക്കാക്കാൻ കഴിഞ്ഞില്ല.</translation>
    </message>
    <message>
        <source>The precise ephemeris could not compute this chart: %1.</source>
        <translation>കൃത്യമായ എഫെമെറിസിന് ഈ ഗ്രഹനില കണക്കാക്കാൻ കഴിഞ്ഞില്ല: %1.</translation>
    </message>
    <message>
        <source>The positions shown are those of the described engine.</source>
        <translation>കാണിച്ചിരിക്കുന്ന ഗ്രഹസ്ഥിതികൾ Tirovane-ന്റെ സ്വന്തം ഗണനരീതി പ്രകാരമുള്ളവയാണ്.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the ascendant at %1, not in %2: the houses from Lagna count from there.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ലഗ്നം %1 ആണ്, %2 അല്ല: ലഗ്നത്തിൽ നിന്നുള്ള ഭാവങ്ങൾ അവിടെ നിന്നാണ് എണ്ണുന്നത്.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon at %1, not in %2: the houses from Chandra count from there.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ചന്ദ്രന്റെ സ്ഥാനം %1 ആണ്, %2 അല്ല: ചന്ദ്രനിൽ നിന്നുള്ള ഭാവങ്ങൾ അവിടെ നിന്നാണ് എണ്ണുന്നത്.</translation>
    </message>
    <message>
        <source>A precise ephemeris places the Moon in the nakshatra %1, not %2: its pada and lord change with it.</source>
        <translation>കൃത്യമായ ഒരു എഫെമെറിസ് പ്രകാരം ചന്ദ്രൻ %1 നക്ഷത്രത്തിലാണ്, %2 നക്ഷത്രത്തിലല്ല: അതോടൊപ്പം പാദവും നക്ഷത്രാധിപനും മാറുന്നു.</translation>
    </message>
</context>
<context>
    <name>FrameWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>സംരക്ഷിക്കുക (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>തിരികെ (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>പുറത്തുകടക്കുക (&amp;X)</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG ആയി സംരക്ഷിക്കുക (&amp;J)</translation>
    </message>
    <message>
        <source>Join the discussion of Vedic astrology on the Tirovane forum.</source>
        <translation>Tirovane ഫോറത്തിലെ വൈദിക ജ്യോതിഷ ചർച്ചകളിൽ പങ്കുചേരൂ.</translation>
    </message>
    <message>
        <source>Have this Rashi chart analysed on the Tirovane web site.</source>
        <translation>ഈ രാശിചക്രം Tirovane വെബ്സൈറ്റിൽ വിശകലനം ചെയ്യിക്കൂ.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>വീട്ടിലിരുന്ന് ബിസിനസ് ചെയ്യാൻ ഒരവസരം. സ്വന്തമായി ഒരു ഇന്റർനെറ്റ് ബിസിനസ് ആരംഭിച്ച് ഓൺലൈനായി പണം സമ്പാദിക്കൂ. നിങ്ങളുടെ വെബ്സൈറ്റിനായി ഈ സോഫ്റ്റ്‌വെയർ പൂർണമായും നിങ്ങളുടെ സ്വന്തം ബ്രാൻഡിൽ നേടൂ. കൂടുതൽ വിവരങ്ങൾക്ക് ഇവിടെ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>നിങ്ങളുടെ സ്വന്തം വെബ്സൈറ്റിനായി ഈ സോഫ്റ്റ്‌വെയർ കോ-ബ്രാൻഡ് ചെയ്യൂ. കൂടുതൽ വിവരങ്ങൾക്ക് ഇവിടെ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ഫയൽ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>പുതിയത് (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>മറ്റൊരു പേരിൽ സംരക്ഷിക്കുക (&amp;A)</translation>
    </message>
    <message>
        <source>Export &amp;Report (PDF)…</source>
        <translation>റിപ്പോർട്ട് എക്സ്പോർട്ട് ചെയ്യുക (PDF) (&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>ഗ്രഹനില ടെക്സ്റ്റായി എക്സ്പോർട്ട് ചെയ്യുക (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>പ്രിന്റ് ചെയ്യുക (&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;eople…</source>
        <translation>ആളുകൾ (&amp;E)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>വ്യക്തിശേഖരം തുറക്കുക (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>കാഴ്ച (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ടൂൾബാർ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>സ്റ്റാറ്റസ് ബാർ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>ഗ്രഹനിലയുടെ ശൈലി (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>ഉത്തരേന്ത്യൻ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>ദക്ഷിണേന്ത്യൻ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>ഇന്ത്യൻ ജനനഗ്രഹനില (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Matching</source>
        <translation>പൊരുത്തം (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;36 Points</source>
        <translation>36 ഗുണം (&amp;3)</translation>
    </message>
    <message>
        <source>&amp;Ten Poruthams</source>
        <translation>പത്ത് പൊരുത്തങ്ങൾ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>രണ്ടും (&amp;B)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>നിറശൈലി (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>ഓൺ (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>ഓഫ് (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>ഗ്രഹനില (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>വർഗചക്രങ്ങൾ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>ഹോര (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>ദ്രേക്കാണം (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>സപ്താംശകം (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>നവാംശകം (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>ദശാംശകം (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>ദ്വാദശാംശകം (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (Swiss Ephemeris)</source>
        <translation>കൃത്യമായ ഗ്രഹസ്ഥിതികൾ (സ്വിസ് എഫെമെറിസ്) (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ഭാഷ (&amp;L)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ടൂൾബാർ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>പുതിയത്</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>സംരക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>പ്രിന്റ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>സഹായം</translation>
    </message>
</context>
<context>
    <name>InputForm</name>
    <message>
        <source>Tirovane shows the Manglik compatibility between two people. It is believed that if both the partners are Manglik, the match is more suitable than when one of the partners is not. </source>
        <translation>Tirovane രണ്ടു പേർ തമ്മിലുള്ള ചൊവ്വാദോഷ ചേർച്ച കാണിച്ചുതരുന്നു. പങ്കാളികൾ ഇരുവർക്കും ചൊവ്വാദോഷമുണ്ടെങ്കിൽ, ഒരാൾക്കു മാത്രം ചൊവ്വാദോഷമുള്ള സ്ഥിതിയെക്കാൾ ആ പൊരുത്തം കൂടുതൽ അനുയോജ്യമാണെന്നാണ് വിശ്വാസം. </translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>മുമ്പ് സംരക്ഷിച്ച ഫലം തുറക്കുക (&amp;O)</translation>
    </message>
    <message>
        <source>Visit the Tirovane home page for detailed advice and consultation.</source>
        <translation>വിശദമായ ഉപദേശത്തിനും കൂടിയാലോചനയ്ക്കും Tirovane ഹോം പേജ് സന്ദർശിക്കുക.</translation>
    </message>
    <message>
        <source>Get this software fully branded for your website. Click here for more details.</source>
        <translation>നിങ്ങളുടെ വെബ്സൈറ്റിനായി ഈ സോഫ്റ്റ്‌വെയർ പൂർണമായും നിങ്ങളുടെ സ്വന്തം ബ്രാൻഡിൽ നേടൂ. കൂടുതൽ വിവരങ്ങൾക്ക് ഇവിടെ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>Co-brand this software for your own web site. Click here for more details.</source>
        <translation>നിങ്ങളുടെ സ്വന്തം വെബ്സൈറ്റിനായി ഈ സോഫ്റ്റ്‌വെയർ കോ-ബ്രാൻഡ് ചെയ്യൂ. കൂടുതൽ വിവരങ്ങൾക്ക് ഇവിടെ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>നിങ്ങളുടെ വ്യക്തിഗത വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>പങ്കാളിയുടെ വ്യക്തിഗത വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>ലിംഗം</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>ജനന ദിവസം</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>ജനന മാസം</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>ജനന വർഷം</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>ജനന സമയം: മണി</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>ജനന സമയം: മിനിറ്റ്</translation>
    </message>
    <message>
        <source>City</source>
        <translation>നഗരം</translation>
    </message>
    <message>
        <source>State</source>
        <translation>സംസ്ഥാനം</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>രാജ്യം</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>അക്ഷാംശം: ഡിഗ്രി</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>അക്ഷാംശം: മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>രേഖാംശം: ഡിഗ്രി</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>രേഖാംശം: മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>സമയമേഖല</translation>
    </message>
    <message>
        <source>North</source>
        <translation>വടക്ക്</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>South</source>
        <translation>തെക്ക്</translation>
    </message>
    <message>
        <source>East</source>
        <translation>കിഴക്ക്</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>West</source>
        <translation>പടിഞ്ഞാറ്</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ഡേലൈറ്റ് സേവിംഗ് സമയം</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>അക്ഷാംശം &amp;&amp; രേഖാംശം കണ്ടെത്താൻ ഇവിടെ ക്ലിക്ക് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ജനനത്തീയതി</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>ജനനസമയം</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>മണി/മിനിറ്റ്</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>ഡിഗ്രി/മിനിറ്റ്</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>അടുത്തത് (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Get Manglik Matching Reading</source>
        <translation>ചൊവ്വാദോഷ പൊരുത്ത ഫലം കാണുക (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>തിരികെ (&amp;B)</translation>
    </message>
    <message>
        <source>Back to your personal details</source>
        <translation>നിങ്ങളുടെ വ്യക്തിഗത വിവരങ്ങളിലേക്ക് തിരികെ പോകുക</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ഫയൽ (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>എന്റെ രാശിചക്രം കാണുക (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;People…</source>
        <translation>ആളുകൾ (&amp;P)…</translation>
    </message>
    <message>
        <source>Open People &amp;Library…</source>
        <translation>വ്യക്തിശേഖരം തുറക്കുക (&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>പുറത്തുകടക്കുക (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ഭാഷ (&amp;L)</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>നൽകിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>പുരുഷൻ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>സ്ത്രീ</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ദയവായി നഗരം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ദയവായി സംസ്ഥാനം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ദയവായി രാജ്യം നൽകുക</translation>
    </message>
    <message>
        <source>Time zone used</source>
        <translation>ഉപയോഗിച്ച സമയമേഖല</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>ജനനസ്ഥലം</translation>
    </message>
    <message>
        <source>The list of places cannot be read: %1</source>
        <translation>സ്ഥലങ്ങളുടെ പട്ടിക വായിക്കാൻ കഴിയുന്നില്ല: %1</translation>
    </message>
</context>
<context>
    <name>Kundli</name>
    <message>
        <source>Antardashas of the %1 mahadasha</source>
        <translation>%1 മഹാദശയിലെ അപഹാരങ്ങൾ</translation>
    </message>
    <message>
        <source>Navamsa: %1</source>
        <translation>നവാംശകം: %1</translation>
    </message>
    <message>
        <source>Navamsa and Dasha</source>
        <translation>നവാംശകവും ദശയും</translation>
    </message>
    <message>
        <source>Dasha</source>
        <translation>ദശ</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>രാശി</translation>
    </message>
    <message>
        <source>Navamsa</source>
        <translation>നവാംശകം</translation>
    </message>
    <message>
        <source>Mahadashas of both people by age</source>
        <translation>ഇരുവരുടെയും മഹാദശകൾ, പ്രായമനുസരിച്ച്</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>വിംശോത്തരി ദശാകാലങ്ങൾ</translation>
    </message>
    <message>
        <source>Dates and ages count a year as 365.25 days; programs that use another year length give dates a few days apart.</source>
        <translation>തീയതികളും പ്രായവും ഒരു വർഷത്തെ 365.25 ദിവസമായി കണക്കാക്കിയാണ് നൽകിയിരിക്കുന്നത്; മറ്റൊരു വർഷദൈർഘ്യം ഉപയോഗിക്കുന്ന പ്രോഗ്രാമുകൾ ഏതാനും ദിവസം വ്യത്യാസമുള്ള തീയതികൾ നൽകും.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>നടപ്പ്</translation>
    </message>
    <message>
        <source>Age in years</source>
        <translation>പ്രായം (വർഷം)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ഇന്ന്</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>കാലയളവ്</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ആരംഭം</translation>
    </message>
    <message>
        <source>End</source>
        <translation>അവസാനം</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>ആരംഭ പ്രായം</translation>
    </message>
    <message>
        <source>Age at end</source>
        <translation>അവസാന പ്രായം</translation>
    </message>
    <message>
        <source>%1 dasha: %2 %3 %4 left at birth</source>
        <translation>%1 ദശ: ജനനസമയത്തെ ദശാശിഷ്ടം %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n വർഷം</numerusform>
            <numerusform>%n വർഷം</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n മാസം</numerusform>
            <numerusform>%n മാസം</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n ദിവസം</numerusform>
            <numerusform>%n ദിവസം</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 y %2 m</source>
        <translation>%1 വ. %2 മാ.</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>ജനനത്തിനു മുമ്പ്</translation>
    </message>
</context>
<context>
    <name>Manglik</name>
    <message>
        <source>Position of Mars from Lagna is %1</source>
        <translation>ലഗ്നത്തിൽ നിന്ന് ചൊവ്വ %1-ാം ഭാവത്തിൽ</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1</source>
        <translation>ചന്ദ്രനിൽ നിന്ന് ചൊവ്വ %1-ാം ഭാവത്തിൽ</translation>
    </message>
    <message>
        <source>Percentage of Mangala dosha is  %1</source>
        <translation>ചൊവ്വാദോഷത്തിന്റെ ശതമാനം  %1</translation>
    </message>
    <message>
        <source>Your Mangal Dosha has been cancelled due to other placements in your chart. </source>
        <translation>നിങ്ങളുടെ ഗ്രഹനിലയിലെ മറ്റ് ഗ്രഹസ്ഥിതികൾ കാരണം നിങ്ങളുടെ ചൊവ്വാദോഷം പരിഹരിക്കപ്പെട്ടിരിക്കുന്നു. </translation>
    </message>
    <message>
        <source>The person is Manglik</source>
        <translation>ഈ വ്യക്തിക്ക് ചൊവ്വാദോഷമുണ്ട്</translation>
    </message>
    <message>
        <source>The person is Not Manglik</source>
        <translation>ഈ വ്യക്തിക്ക് ചൊവ്വാദോഷമില്ല</translation>
    </message>
    <message>
        <source>The person is Non Manglik</source>
        <translation>ഈ വ്യക്തിയുടെ ചൊവ്വാദോഷം പരിഹരിക്കപ്പെട്ടു</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Manglik</source>
        <translation>നിങ്ങളുടെ പങ്കാളിക്ക് (%1) ചൊവ്വാദോഷമുണ്ട്</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Manglik</source>
        <translation>നമസ്കാരം %1, നിങ്ങൾക്ക് ചൊവ്വാദോഷമുണ്ട്</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Not Manglik</source>
        <translation>നിങ്ങളുടെ പങ്കാളിക്ക് (%1) ചൊവ്വാദോഷമില്ല</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Not Manglik</source>
        <translation>നമസ്കാരം %1, നിങ്ങൾക്ക് ചൊവ്വാദോഷമില്ല</translation>
    </message>
    <message>
        <source>Your partner %1 is The person is Non Manglik</source>
        <translation>നിങ്ങളുടെ പങ്കാളിയുടെ (%1) ചൊവ്വാദോഷം പരിഹരിക്കപ്പെട്ടു</translation>
    </message>
    <message>
        <source>Hello %1 you are The person is Non Manglik</source>
        <translation>നമസ്കാരം %1, നിങ്ങളുടെ ചൊവ്വാദോഷം പരിഹരിക്കപ്പെട്ടു</translation>
    </message>
    <message>
        <source>Mars in %1</source>
        <translation>ചൊവ്വ %1 രാശിയിൽ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 2nd house</source>
        <translation>ചൊവ്വ രണ്ടാം ഭാവത്തിൽ %1 രാശിയിൽ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 4th house</source>
        <translation>ചൊവ്വ നാലാം ഭാവത്തിൽ %1 രാശിയിൽ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 7th house</source>
        <translation>ചൊവ്വ ഏഴാം ഭാവത്തിൽ %1 രാശിയിൽ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 8th house</source>
        <translation>ചൊവ്വ എട്ടാം ഭാവത്തിൽ %1 രാശിയിൽ</translation>
    </message>
    <message>
        <source>Mars in %1 in the 12th house</source>
        <translation>ചൊവ്വ പന്ത്രണ്ടാം ഭാവത്തിൽ %1 രാശിയിൽ</translation>
    </message>
    <message>
        <source>Mars within 10° of Jupiter</source>
        <translation>ചൊവ്വ വ്യാഴത്തിൽ നിന്ന് 10°-നുള്ളിൽ</translation>
    </message>
    <message>
        <source>Mars within 10° of Mercury</source>
        <translation>ചൊവ്വ ബുധനിൽ നിന്ന് 10°-നുള്ളിൽ</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>ദോഷം പരിഹരിക്കപ്പെട്ടു: %1</translation>
    </message>
    <message>
        <source>Mangal Dosha has been nullified.</source>
        <translation>ചൊവ്വാദോഷം നിർവീര്യമായിരിക്കുന്നു.</translation>
    </message>
    <message>
        <source>You do not have Manglik Dosha.</source>
        <translation>നിങ്ങൾക്ക് ചൊവ്വാദോഷമില്ല.</translation>
    </message>
    <message>
        <source>Mangal Dosha has not been nullified. Please consult an astrologer for further details.</source>
        <translation>ചൊവ്വാദോഷം നിർവീര്യമായിട്ടില്ല. കൂടുതൽ വിവരങ്ങൾക്ക് ദയവായി ഒരു ജ്യോത്സ്യനെ സമീപിക്കുക.</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>Varna</source>
        <translation>വർണപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>വശ്യപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>താരാപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>യോനിപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>ഗ്രഹമൈത്രി</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>ഗണപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>ഭകൂടപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>നാഡീപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>ബ്രാഹ്മണൻ</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>ക്ഷത്രിയൻ</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>വൈശ്യൻ</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>ശൂദ്രൻ</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>ചതുഷ്പാദം</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>മാനവം</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>ജലചരം</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>വനചരം</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>കീടം</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>കുതിര</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>ആന</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>ആട്</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>പാമ്പ്</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>നായ</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>പൂച്ച</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>എലി</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>പശു</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>പോത്ത്</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>പുലി</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>മാൻ</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>കുരങ്ങ്</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>കീരി</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>സിംഹം</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>സൂര്യൻ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ചന്ദ്രൻ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ചൊവ്വ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ബുധൻ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>വ്യാഴം</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ശുക്രൻ</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ശനി</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>ദേവഗണം</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>മനുഷ്യഗണം</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>അസുരഗണം</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>ആദ്യനാഡി</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>മധ്യനാഡി</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>അന്ത്യനാഡി</translation>
    </message>
    <message>
        <source>36-Point Match</source>
        <translation>36 ഗുണ പൊരുത്തം</translation>
    </message>
    <message>
        <source>Nadi dosha: none</source>
        <translation>നാഡീദോഷം: ഇല്ല</translation>
    </message>
    <message>
        <source>Bhakoot dosha: none</source>
        <translation>ഭകൂടദോഷം: ഇല്ല</translation>
    </message>
    <message>
        <source>Nadi dosha: present</source>
        <translation>നാഡീദോഷം: ഉണ്ട്</translation>
    </message>
    <message>
        <source>Bhakoot dosha: present</source>
        <translation>ഭകൂടദോഷം: ഉണ്ട്</translation>
    </message>
    <message>
        <source>Nadi dosha: cancelled</source>
        <translation>നാഡീദോഷം: പരിഹരിക്കപ്പെട്ടു</translation>
    </message>
    <message>
        <source>Bhakoot dosha: cancelled</source>
        <translation>ഭകൂടദോഷം: പരിഹരിക്കപ്പെട്ടു</translation>
    </message>
    <message>
        <source>Not recommended: fewer than 18 of 36 points</source>
        <translation>ശുപാർശ ചെയ്യുന്നില്ല: 36-ൽ 18-ൽ താഴെ ഗുണം</translation>
    </message>
    <message>
        <source>Acceptable match</source>
        <translation>സ്വീകാര്യമായ പൊരുത്തം</translation>
    </message>
    <message>
        <source>Good match</source>
        <translation>നല്ല പൊരുത്തം</translation>
    </message>
    <message>
        <source>Excellent match</source>
        <translation>മികച്ച പൊരുത്തം</translation>
    </message>
    <message>
        <source>Points are counted with the first person on the groom&apos;s side and the partner on the bride&apos;s side.</source>
        <translation>ഒന്നാം വ്യക്തിയെ വരന്റെ ഭാഗത്തും പങ്കാളിയെ വധുവിന്റെ ഭാഗത്തും വച്ചാണ് ഗുണങ്ങൾ കണക്കാക്കിയത്.</translation>
    </message>
    <message>
        <source>Points are counted with the partner on the groom&apos;s side and the first person on the bride&apos;s side.</source>
        <translation>പങ്കാളിയെ വരന്റെ ഭാഗത്തും ഒന്നാം വ്യക്തിയെ വധുവിന്റെ ഭാഗത്തും വച്ചാണ് ഗുണങ്ങൾ കണക്കാക്കിയത്.</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>കൂടം</translation>
    </message>
    <message>
        <source>First person</source>
        <translation>ഒന്നാം വ്യക്തി</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>പങ്കാളി</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>ഗുണം</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>പരമാവധി</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>ആകെ</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total points</source>
        <translation>ആകെ ഗുണം</translation>
    </message>
    <message>
        <source>Match verdict</source>
        <translation>പൊരുത്ത നിർണയം</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>നാഡീദോഷം</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>ഭകൂടദോഷം</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Help</source>
        <translation>സഹായം (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ഓൺലൈൻ സഹായം (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ഞങ്ങളുടെ വെബ്സൈറ്റ് സന്ദർശിക്കുക (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>സോഫ്റ്റ്‌വെയർ അപ്ഡേറ്റ് പരിശോധിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>സോഫ്റ്റ്‌വെയറിനെക്കുറിച്ച് (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ഓൺലൈനായി പണം സമ്പാദിക്കൂ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>സംഭാവന നൽകുക (&amp;D)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>സംഭാവന നൽകുക</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>ഈ ഫയലിന്റെ പകർപ്പുകൾ വളരെയധികമാണ്  %1</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> പുതിയ  ഫയൽ  സൃഷ്ടിക്കാൻ  കഴിയുന്നില്ല%1</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>ചിത്രം %1 എന്നതിലേക്ക് എഴുതാൻ കഴിഞ്ഞില്ല: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>ചിത്രം %1 ആയി സംരക്ഷിക്കാൻ കഴിഞ്ഞില്ല: %2.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>പ്രിന്റർ പ്രവർത്തിപ്പിക്കാൻ കഴിഞ്ഞില്ല.</translation>
    </message>
    <message>
        <source>Tirovane (*.tvr)|*.tvr</source>
        <translation>Tirovane ഫലം (*.tvr)|*.tvr</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>%1 എന്ന ഫയൽ എഴുതാൻ കഴിഞ്ഞില്ല: %2.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>ഉറവിട ഫയൽ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>ദയവായി ഫയൽ പരിശോധിക്കുക.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened: %2.</source>
        <translation>%1 എന്ന ഫയൽ തുറക്കാൻ കഴിഞ്ഞില്ല: %2.</translation>
    </message>
    <message>
        <source>Open People Library</source>
        <translation>വ്യക്തിശേഖരം തുറക്കുക</translation>
    </message>
    <message>
        <source>People Library (*.sqlite)|*.sqlite</source>
        <translation>വ്യക്തിശേഖരം (*.sqlite)|*.sqlite</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)|*.jpg</source>
        <translation>JPEG ചിത്രം (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>സംരക്ഷിക്കാനുള്ള ടെക്സ്റ്റ് ഫയൽ തിരഞ്ഞെടുക്കുക </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)|*.txt</source>
        <translation>ഗ്രഹനില ടെക്സ്റ്റായി (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>PDF Report (*.pdf)|*.pdf</source>
        <translation>PDF റിപ്പോർട്ട് (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>റിപ്പോർട്ട് തയ്യാറാക്കാൻ കഴിഞ്ഞില്ല.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ജനുവരി</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ഫെബ്രുവരി</translation>
    </message>
    <message>
        <source>March</source>
        <translation>മാർച്ച്</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ഏപ്രിൽ</translation>
    </message>
    <message>
        <source>May</source>
        <translation>മേയ്</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ജൂൺ</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ജൂലൈ</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ഓഗസ്റ്റ്</translation>
    </message>
    <message>
        <source>September</source>
        <translation>സെപ്റ്റംബർ</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ഒക്ടോബർ</translation>
    </message>
    <message>
        <source>November</source>
        <translation>നവംബർ</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ഡിസംബർ</translation>
    </message>
</context>
<context>
    <name>Nakshatras</name>
    <message>
        <source>Aswini</source>
        <translation>അശ്വതി</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>ഭരണി</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>കാർത്തിക</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>രോഹിണി</translation>
    </message>
    <message>
        <source>Mrigsira</source>
        <translation>മകയിരം</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>തിരുവാതിര</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>പുണർതം</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>പൂയം</translation>
    </message>
    <message>
        <source>Aslesha</source>
        <translation>ആയില്യം</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>മകം</translation>
    </message>
    <message>
        <source>Purbha Phalguni</source>
        <translation>പൂരം</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>ഉത്രം</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>അത്തം</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>ചിത്തിര</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>ചോതി</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>വിശാഖം</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>അനിഴം</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>തൃക്കേട്ട</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>മൂലം</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>പൂരാടം</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>ഉത്രാടം</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>തിരുവോണം</translation>
    </message>
    <message>
        <source>Dhanishtha</source>
        <translation>അവിട്ടം</translation>
    </message>
    <message>
        <source>Shatbisha</source>
        <translation>ചതയം</translation>
    </message>
    <message>
        <source>Poorva Bhadrapada</source>
        <translation>പൂരുരുട്ടാതി</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>ഉത്രട്ടാതി</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>രേവതി</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>There is no people library at %1.</source>
        <translation>%1 എന്ന സ്ഥാനത്ത് വ്യക്തിശേഖരമൊന്നുമില്ല.</translation>
    </message>
    <message>
        <source>%1 is not a people library; it was left as it was.</source>
        <translation>%1 ഒരു വ്യക്തിശേഖരമല്ല; അതിൽ മാറ്റമൊന്നും വരുത്തിയിട്ടില്ല.</translation>
    </message>
    <message>
        <source>The people library %1 was written by a newer version of Tirovane.</source>
        <translation>%1 എന്ന വ്യക്തിശേഖരം Tirovane-ന്റെ ഒരു പുതിയ പതിപ്പ് എഴുതിയതാണ്.</translation>
    </message>
    <message>
        <source>The people library %1 cannot be changed: it is read-only.</source>
        <translation>%1 എന്ന വ്യക്തിശേഖരം മാറ്റാൻ കഴിയില്ല: അത് വായിക്കാൻ മാത്രമുള്ളതാണ്.</translation>
    </message>
    <message>
        <source>The people library %1 is in use by another program; try again in a moment.</source>
        <translation>%1 എന്ന വ്യക്തിശേഖരം മറ്റൊരു പ്രോഗ്രാം ഉപയോഗിക്കുകയാണ്; അൽപസമയത്തിനു ശേഷം വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>There is no such person in the library.</source>
        <translation>ശേഖരത്തിൽ അങ്ങനെയൊരു വ്യക്തിയില്ല.</translation>
    </message>
    <message>
        <source>The people library %1 could not be used: %2.</source>
        <translation>%1 എന്ന വ്യക്തിശേഖരം ഉപയോഗിക്കാൻ കഴിഞ്ഞില്ല: %2.</translation>
    </message>
    <message>
        <source>There is no person with Id %1 in the library.</source>
        <translation>Id %1 ഉള്ള ആരും ശേഖരത്തിലില്ല.</translation>
    </message>
    <message>
        <source>%1 is already in the library (Id %2).</source>
        <translation>%1 ഇതിനകം ശേഖരത്തിലുണ്ട് (Id %2).</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n bad line(s).</source>
        <translation>
            <numerusform>ഒന്നും ഇമ്പോർട്ട് ചെയ്തില്ല: %n വരി തെറ്റാണ്.</numerusform>
            <numerusform>ഒന്നും ഇമ്പോർട്ട് ചെയ്തില്ല: %n വരികൾ തെറ്റാണ്.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ജനനത്തീയതി</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>സമയം</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>സ്ഥലം</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>ലിംഗം</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>ഗുണം</translation>
    </message>
    <message>
        <source>Nadi Dosha</source>
        <translation>നാഡീദോഷം</translation>
    </message>
    <message>
        <source>Bhakoot Dosha</source>
        <translation>ഭകൂടദോഷം</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>പൊരുത്തങ്ങൾ</translation>
    </message>
    <message>
        <source>Porutham Verdict</source>
        <translation>പൊരുത്ത നിർണയം</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>രജ്ജുപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Manglik Lines</source>
        <translation>ചൊവ്വാദോഷ ചേർച്ച</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ഇല്ല</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>ഉണ്ട്</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>പരിഹരിക്കപ്പെട്ടു</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>പുരുഷൻ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>സ്ത്രീ</translation>
    </message>
    <message>
        <source>Dosha</source>
        <translation>ദോഷം</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>ചേരും</translation>
    </message>
    <message>
        <source>Favourable</source>
        <translation>അനുകൂലം</translation>
    </message>
    <message>
        <source>Not favourable</source>
        <translation>അനുകൂലമല്ല</translation>
    </message>
    <message>
        <source>Matches for %1</source>
        <translation>പൊരുത്തങ്ങൾ: %1</translation>
    </message>
    <message>
        <source>&amp;Minimum points:</source>
        <translation>കുറഞ്ഞ ഗുണം (&amp;M):</translation>
    </message>
    <message>
        <source>Minimum points</source>
        <translation>കുറഞ്ഞ ഗുണം</translation>
    </message>
    <message>
        <source>&amp;Hide Nadi, Bhakoot and Rajju doshas</source>
        <translation>നാഡി, ഭകൂട, രജ്ജു ദോഷങ്ങളുള്ളവരെ മറയ്ക്കുക (&amp;H)</translation>
    </message>
    <message>
        <source>Candidates, best first</source>
        <translation>ആലോചനകൾ, മികച്ചവ ആദ്യം</translation>
    </message>
    <message>
        <source>How many reach each total</source>
        <translation>ഓരോ ആകെ ഗുണത്തിലും എത്ര പേർ എത്തുന്നു</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <translation>CSV എക്സ്പോർട്ട് ചെയ്യുക (&amp;C)…</translation>
    </message>
    <message>
        <source>Export &amp;PDF…</source>
        <translation>PDF എക്സ്പോർട്ട് ചെയ്യുക (&amp;P)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>Candidates shown: %1 of %2</source>
        <translation>കാണിക്കുന്ന ആലോചനകൾ: %2-ൽ %1</translation>
    </message>
    <message>
        <source>Export the ranking</source>
        <translation>ക്രമപ്പട്ടിക എക്സ്പോർട്ട് ചെയ്യുക</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv</source>
        <translation>CSV ഫയൽ (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF ഫയൽ (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF തയ്യാറാക്കാൻ കഴിഞ്ഞില്ല.</translation>
    </message>
    <message>
        <source>People</source>
        <translation>ആളുകൾ</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>തിരയുക (&amp;S):</translation>
    </message>
    <message>
        <source>Name or place, in any script</source>
        <translation>പേരോ സ്ഥലമോ, ഏതു ലിപിയിലും</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>തിരയുക</translation>
    </message>
    <message>
        <source>People in the library</source>
        <translation>ശേഖരത്തിലെ ആളുകൾ</translation>
    </message>
    <message>
        <source>Use as &amp;First Person</source>
        <translation>ഒന്നാം വ്യക്തിയായി എടുക്കുക (&amp;F)</translation>
    </message>
    <message>
        <source>Use as P&amp;artner</source>
        <translation>പങ്കാളിയായി എടുക്കുക (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Match Against All…</source>
        <translation>എല്ലാവരുമായും പൊരുത്തം നോക്കുക (&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>തിരുത്തുക (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>നീക്കം ചെയ്യുക (&amp;D)…</translation>
    </message>
    <message>
        <source>Add &amp;Your Details</source>
        <translation>നിങ്ങളുടെ വിവരങ്ങൾ ചേർക്കുക (&amp;Y)</translation>
    </message>
    <message>
        <source>Add Your &amp;Partner&apos;s Details</source>
        <translation>പങ്കാളിയുടെ വിവരങ്ങൾ ചേർക്കുക (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>ഇമ്പോർട്ട് ചെയ്യുക (&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>എക്സ്പോർട്ട് ചെയ്യുക (&amp;X)…</translation>
    </message>
    <message>
        <source>People shown: %1 (library %2)</source>
        <translation>കാണിക്കുന്ന ആളുകൾ: %1 (ശേഖരത്തിൽ %2)</translation>
    </message>
    <message>
        <source>Delete %1 from the library?</source>
        <translation>%1 എന്നയാളെ ശേഖരത്തിൽ നിന്ന് നീക്കം ചെയ്യണോ?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>ആളുകളെ ഇമ്പോർട്ട് ചെയ്യുക</translation>
    </message>
    <message>
        <source>People (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</source>
        <translation>ആളുകൾ (*.csv *.jsonl *.json *.tvr)|*.csv;*.jsonl;*.json;*.tvr</translation>
    </message>
    <message>
        <source>Importing people…</source>
        <translation>ആളുകളെ ഇമ്പോർട്ട് ചെയ്യുന്നു…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>റദ്ദാക്കുക</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>വരി %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>ഫയലിലെ %n വരി ഇമ്പോർട്ട് ചെയ്യാൻ കഴിയില്ല.</numerusform>
            <numerusform>ഫയലിലെ %n വരികൾ ഇമ്പോർട്ട് ചെയ്യാൻ കഴിയില്ല.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other lines only?</source>
        <translation>ബാക്കി വരികൾ മാത്രം ഇമ്പോർട്ട് ചെയ്യണോ?</translation>
    </message>
    <message>
        <source>Added: %1. Already in the library: %2.</source>
        <translation>ചേർത്തത്: %1. ഇതിനകം ശേഖരത്തിലുള്ളത്: %2.</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>ആളുകളെ എക്സ്പോർട്ട് ചെയ്യുക</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl</source>
        <translation>CSV ഫയൽ (*.csv)|*.csv|JSON വരികൾ (*.jsonl)|*.jsonl</translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation>വ്യക്തിവിവരങ്ങൾ തിരുത്തുക</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>നൽകിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>പേര് (&amp;N):</translation>
    </message>
    <message>
        <source>S&amp;ex:</source>
        <translation>ലിംഗം (&amp;E):</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>കുറിപ്പുകൾ (&amp;O):</translation>
    </message>
</context>
<context>
    <name>PlaceFinder</name>
    <message>
        <source>Type a town, then choose it from the list</source>
        <translation>പട്ടണത്തിന്റെ പേര് ടൈപ്പ് ചെയ്ത് പട്ടികയിൽ നിന്ന് തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>ജനനസ്ഥലം</translation>
    </message>
    <message>
        <source>Type the name of the birth town and choose it from the list: it fills city, state, country, latitude, longitude, time zone and daylight saving.</source>
        <translation>ജനിച്ച പട്ടണത്തിന്റെ പേര് ടൈപ്പ് ചെയ്ത് പട്ടികയിൽ നിന്ന് തിരഞ്ഞെടുക്കുക: നഗരം, സംസ്ഥാനം, രാജ്യം, അക്ഷാംശം, രേഖാംശം, സമയമേഖല, ഡേലൈറ്റ് സേവിംഗ് എന്നിവ സ്വയം പൂരിപ്പിക്കപ്പെടും.</translation>
    </message>
    <message>
        <source>Matching places</source>
        <translation>യോജിക്കുന്ന സ്ഥലങ്ങൾ</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>%1 %2 %3</source>
        <translation>%3 %2 %1</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>ഒരു മിനിറ്റിൽ താഴെ</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 മിനിറ്റ്</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 മിനിറ്റ്</translation>
    </message>
    <message>
        <source>%1, %2 on %3: standard time</source>
        <translation>%1, %3-ന് %2: സ്റ്റാൻഡേർഡ് സമയം</translation>
    </message>
    <message>
        <source>%1, %2 on %3: daylight saving time</source>
        <translation>%1, %3-ന് %2: ഡേലൈറ്റ് സേവിംഗ് സമയം</translation>
    </message>
    <message>
        <source>%1, %2 on %3: war time</source>
        <translation>%1, %3-ന് %2: യുദ്ധകാല സമയം</translation>
    </message>
    <message>
        <source>%1, %2 on %3: local mean time</source>
        <translation>%1, %3-ന് %2: പ്രാദേശിക മീൻ സമയം</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist in %3: the clocks went forward from %4 to %5; it is taken as %4.</source>
        <translation>%3 സമയമേഖലയിൽ %2-ന് %1 എന്ന സമയം ഉണ്ടായിരുന്നില്ല: ക്ലോക്കുകൾ %4-ൽ നിന്ന് %5-ലേക്ക് മുന്നോട്ട് മാറ്റിയിരുന്നു; ഇത് %4 ആയി കണക്കാക്കിയിരിക്കുന്നു.</translation>
    </message>
    <message>
        <source>%1 on %2 came twice in %3 (%4, then %5); the first is taken.</source>
        <translation>%3 സമയമേഖലയിൽ %2-ന് %1 എന്ന സമയം രണ്ടു തവണ വന്നു (ആദ്യം %4, പിന്നെ %5); ആദ്യത്തേത് സ്വീകരിച്ചിരിക്കുന്നു.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 late.</source>
        <translation>പട്ടികയിലെ ഒരു സമയമേഖലയ്ക്കും %1 എന്ന വ്യത്യാസമില്ല: &quot;%2&quot; തിരഞ്ഞെടുത്താൽ ജനനനിമിഷം %3 വൈകിപ്പോകും.</translation>
    </message>
    <message>
        <source>No zone in the list has %1: with &quot;%2&quot; the birth instant is %3 early.</source>
        <translation>പട്ടികയിലെ ഒരു സമയമേഖലയ്ക്കും %1 എന്ന വ്യത്യാസമില്ല: &quot;%2&quot; തിരഞ്ഞെടുത്താൽ ജനനനിമിഷം %3 നേരത്തെയാകും.</translation>
    </message>
</context>
<context>
    <name>Porutham</name>
    <message>
        <source>Dina</source>
        <translation>ദിനപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>ഗണപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>മാഹേന്ദ്രപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>സ്ത്രീദീർഘപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>യോനിപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>രാശിപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Rasi Adhipathi</source>
        <translation>രാശ്യധിപപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>വശ്യപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>രജ്ജുപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>വേധപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Ten Poruthams</source>
        <translation>പത്ത് പൊരുത്തങ്ങൾ</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>പാദരജ്ജു</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>കടിരജ്ജു</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>നാഭിരജ്ജു</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>കണ്ഠരജ്ജു</translation>
    </message>
    <message>
        <source>Siro</source>
        <translation>ശിരോരജ്ജു</translation>
    </message>
    <message>
        <source>Both are in Siro rajju: danger to the husband.</source>
        <translation>ഇരുവരും ശിരോരജ്ജുവിൽ: ഭർത്താവിന് ആപത്ത്.</translation>
    </message>
    <message>
        <source>Both are in Kantha rajju: danger to the wife.</source>
        <translation>ഇരുവരും കണ്ഠരജ്ജുവിൽ: ഭാര്യയ്ക്ക് ആപത്ത്.</translation>
    </message>
    <message>
        <source>Both are in Nabhi rajju: danger to the children.</source>
        <translation>ഇരുവരും നാഭിരജ്ജുവിൽ: സന്താനങ്ങൾക്ക് ആപത്ത്.</translation>
    </message>
    <message>
        <source>Both are in Kati rajju: poverty.</source>
        <translation>ഇരുവരും കടിരജ്ജുവിൽ: ദാരിദ്ര്യം.</translation>
    </message>
    <message>
        <source>Both are in Pada rajju: wandering.</source>
        <translation>ഇരുവരും പാദരജ്ജുവിൽ: അലച്ചിൽ.</translation>
    </message>
    <message>
        <source>Uttamam</source>
        <translation>ഉത്തമം</translation>
    </message>
    <message>
        <source>Madhyamam</source>
        <translation>മധ്യമം</translation>
    </message>
    <message>
        <source>Adhamam</source>
        <translation>അധമം</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is good when shared.</source>
        <translation>ഇരുവരും %1 നക്ഷത്രത്തിൽ ജനിച്ചവർ; ഒരേ നക്ഷത്രമാകുമ്പോൾ ഇത് ശുഭകരമാണ്.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is fair when shared.</source>
        <translation>ഇരുവരും %1 നക്ഷത്രത്തിൽ ജനിച്ചവർ; ഒരേ നക്ഷത്രമാകുമ്പോൾ ഇത് മധ്യമമാണ്.</translation>
    </message>
    <message>
        <source>Both are born in %1, a star that is not good when shared.</source>
        <translation>ഇരുവരും %1 നക്ഷത്രത്തിൽ ജനിച്ചവർ; ഒരേ നക്ഷത്രമാകുമ്പോൾ ഇത് ശുഭകരമല്ല.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1.</source>
        <translation>വധുവിന്റെ നക്ഷത്രം മുതൽ വരന്റെ നക്ഷത്രം വരെ എണ്ണം: %1.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: %1; the groom&apos;s pada is %2.</source>
        <translation>വധുവിന്റെ നക്ഷത്രം മുതൽ വരന്റെ നക്ഷത്രം വരെ എണ്ണം: %1; വരന്റെ നക്ഷത്രപാദം %2.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, within one sign.</source>
        <translation>വധുവിന്റെ നക്ഷത്രം മുതൽ വരന്റെ നക്ഷത്രം വരെ എണ്ണം: 27, ഒരേ രാശിയിൽ.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s star to the groom&apos;s: 27, across two signs.</source>
        <translation>വധുവിന്റെ നക്ഷത്രം മുതൽ വരന്റെ നക്ഷത്രം വരെ എണ്ണം: 27, രണ്ടു രാശികളിലായി.</translation>
    </message>
    <message>
        <source>The groom&apos;s gana is %1, the bride&apos;s %2.</source>
        <translation>ഗണം: വരന് %1, വധുവിന് %2.</translation>
    </message>
    <message>
        <source>Both have the %1 yoni.</source>
        <translation>ഇരുവർക്കും %1 യോനി.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are enemies.</source>
        <translation>വരന്റെ യോനി %1, വധുവിന്റേത് %2: ഇവ പരസ്പരം ശത്രുക്കളാണ്.</translation>
    </message>
    <message>
        <source>The groom&apos;s yoni %1 and the bride&apos;s %2 are not enemies.</source>
        <translation>വരന്റെ യോനി %1, വധുവിന്റേത് %2: ഇവ പരസ്പരം ശത്രുക്കളല്ല.</translation>
    </message>
    <message>
        <source>Count from the bride&apos;s sign to the groom&apos;s: %1.</source>
        <translation>വധുവിന്റെ രാശി മുതൽ വരന്റെ രാശി വരെ എണ്ണം: %1.</translation>
    </message>
    <message>
        <source>Both are in %1; the groom&apos;s star comes first.</source>
        <translation>ഇരുവരും %1 രാശിയിൽ; വരന്റെ നക്ഷത്രമാണ് ആദ്യം വരുന്നത്.</translation>
    </message>
    <message>
        <source>Both are in %1; the bride&apos;s star comes first.</source>
        <translation>ഇരുവരും %1 രാശിയിൽ; വധുവിന്റെ നക്ഷത്രമാണ് ആദ്യം വരുന്നത്.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is lower than the bride&apos;s %3.</source>
        <translation>ഇരുവരും %1 നക്ഷത്രത്തിൽ ജനിച്ചവർ; വരന്റെ പാദം (%2) വധുവിന്റെ പാദത്തെക്കാൾ (%3) താഴെയാണ്.</translation>
    </message>
    <message>
        <source>Both are born in %1; the groom&apos;s pada %2 is not lower than the bride&apos;s %3.</source>
        <translation>ഇരുവരും %1 നക്ഷത്രത്തിൽ ജനിച്ചവർ; വരന്റെ പാദം (%2) വധുവിന്റെ പാദത്തെക്കാൾ (%3) താഴെയല്ല.</translation>
    </message>
    <message>
        <source>Both signs are ruled by %1.</source>
        <translation>ഇരു രാശികളുടെയും അധിപൻ %1 ആണ്.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: friends of each other.</source>
        <translation>അധിപന്മാർ %1, %2: പരസ്പരം മിത്രങ്ങൾ.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: one is the other&apos;s enemy.</source>
        <translation>അധിപന്മാർ %1, %2: ഒരാൾ മറ്റേയാളുടെ ശത്രു.</translation>
    </message>
    <message>
        <source>Lords %1 and %2: neither friends nor enemies.</source>
        <translation>അധിപന്മാർ %1, %2: മിത്രങ്ങളുമല്ല, ശത്രുക്കളുമല്ല.</translation>
    </message>
    <message>
        <source>The groom&apos;s sign %1 is vasya to the bride&apos;s sign %2.</source>
        <translation>വരന്റെ രാശി (%1) വധുവിന്റെ രാശിക്ക് (%2) വശ്യമാണ്.</translation>
    </message>
    <message>
        <source>The bride&apos;s sign %1 is vasya to the groom&apos;s sign %2.</source>
        <translation>വധുവിന്റെ രാശി (%1) വരന്റെ രാശിക്ക് (%2) വശ്യമാണ്.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 is vasya to the other.</source>
        <translation>%1, %2 എന്നീ രാശികളിൽ ഒന്നും മറ്റേതിന് വശ്യമല്ല.</translation>
    </message>
    <message>
        <source>Different rajju: the groom&apos;s %1, the bride&apos;s %2.</source>
        <translation>വ്യത്യസ്ത രജ്ജു: വരന് %1, വധുവിന് %2.</translation>
    </message>
    <message>
        <source>%1 and %2 obstruct each other (vedha).</source>
        <translation>%1, %2 എന്നീ നക്ഷത്രങ്ങൾ തമ്മിൽ വേധമുണ്ട്.</translation>
    </message>
    <message>
        <source>%1 and %2 do not obstruct each other.</source>
        <translation>%1, %2 എന്നീ നക്ഷത്രങ്ങൾ തമ്മിൽ വേധമില്ല.</translation>
    </message>
    <message>
        <source>Matching poruthams: %1 of 10</source>
        <translation>ചേരുന്ന പൊരുത്തങ്ങൾ: 10-ൽ %1</translation>
    </message>
    <message>
        <source>Score: %1 of 10</source>
        <translation>സ്കോർ: 10-ൽ %1</translation>
    </message>
    <message>
        <source>Verdict: Uttamam</source>
        <translation>നിർണയം: ഉത്തമം</translation>
    </message>
    <message>
        <source>Verdict: Madhyamam</source>
        <translation>നിർണയം: മധ്യമം</translation>
    </message>
    <message>
        <source>Verdict: Adhamam</source>
        <translation>നിർണയം: അധമം</translation>
    </message>
    <message>
        <source>Doshas: none</source>
        <translation>ദോഷങ്ങൾ: ഇല്ല</translation>
    </message>
    <message>
        <source>Doshas: Rajju and Vedha</source>
        <translation>ദോഷങ്ങൾ: രജ്ജുദോഷം, വേധദോഷം</translation>
    </message>
    <message>
        <source>Doshas: Rajju</source>
        <translation>ദോഷങ്ങൾ: രജ്ജുദോഷം</translation>
    </message>
    <message>
        <source>Doshas: Vedha</source>
        <translation>ദോഷങ്ങൾ: വേധദോഷം</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>പൊരുത്തം</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>നില</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>കാരണം</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Matching poruthams</source>
        <translation>ചേരുന്ന പൊരുത്തങ്ങൾ</translation>
    </message>
    <message>
        <source>Porutham score</source>
        <translation>പൊരുത്ത സ്കോർ</translation>
    </message>
    <message>
        <source>Porutham verdict</source>
        <translation>പൊരുത്ത നിർണയം</translation>
    </message>
    <message>
        <source>Porutham doshas</source>
        <translation>പൊരുത്ത ദോഷങ്ങൾ</translation>
    </message>
</context>
<context>
    <name>PreciseChart</name>
    <message>
        <source>Swiss Ephemeris, Lahiri ayanamsa, apparent positions</source>
        <translation>സ്വിസ് എഫെമെറിസ്, ലാഹിരി അയനാംശം, ദൃശ്യ ഗ്രഹസ്ഥിതികൾ</translation>
    </message>
    <message>
        <source>Ayanamsa: %1</source>
        <translation>അയനാംശം: %1</translation>
    </message>
    <message>
        <source>Lagna / Asc: %1 (%2)</source>
        <translation>ലഗ്നം: %1 (%2)</translation>
    </message>
    <message>
        <source>Nakshatra: %1, pada %2, lord %3</source>
        <translation>നക്ഷത്രം: %1, പാദം %2, അധിപൻ %3</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign: %1</source>
        <translation>കൂറ് (ചന്ദ്രരാശി): %1</translation>
    </message>
    <message>
        <source>Position of Mars from Lagna is %1: %2</source>
        <translation>ലഗ്നത്തിൽ നിന്ന് ചൊവ്വ %1-ാം ഭാവത്തിൽ: %2</translation>
    </message>
    <message>
        <source>Position of Mars from Chandra is %1: %2</source>
        <translation>ചന്ദ്രനിൽ നിന്ന് ചൊവ്വ %1-ാം ഭാവത്തിൽ: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>ഫോൾഡർ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ഫയൽ</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>ഇവിടെ നോക്കുക:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ഫയലിന്റെ പേര് (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ഫയൽ തരം:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>മുകളിലെ ഫോൾഡർ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>പുതിയ ഫോൾഡർ സൃഷ്ടിക്കുക</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>പട്ടിക രൂപത്തിൽ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>വിശദ രൂപത്തിൽ</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>മുന്നോട്ട്</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>സമീപകാല സ്ഥലങ്ങൾ</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>തുറക്കുക (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>സംരക്ഷിക്കുക (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>തിരഞ്ഞെടുക്കുക (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>മറച്ച ഫയലുകൾ കാണിക്കുക (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>നീക്കം ചെയ്യുക (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>പേരുമാറ്റുക (&amp;R)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Date Modified</source>
        <translation>മാറ്റം വരുത്തിയ തീയതി</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>തരം</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>വലുപ്പം</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>കമ്പ്യൂട്ടർ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>റദ്ദാക്കുക</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>അതെ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ഇല്ല (&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>സംരക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>തുറക്കുക</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>പ്രിന്റ് ചെയ്യുക</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>അടുത്ത പേജ്</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>മുമ്പത്തെ പേജ്</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>ആദ്യ പേജ്</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>അവസാന പേജ്</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>വീതിക്കൊത്ത് കാണിക്കുക</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>പേജ് മുഴുവനായി കാണിക്കുക</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>വലുതാക്കുക</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ചെറുതാക്കുക</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>ഒരു പേജ് മാത്രം കാണിക്കുക</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>അഭിമുഖ പേജുകൾ കാണിക്കുക</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>എല്ലാ പേജുകളുടെയും അവലോകനം കാണിക്കുക</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>പേജ് സജ്ജീകരണം</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>പ്രിന്റ് പ്രിവ്യൂ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>പ്രിന്റ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>ഇടത്തേക്ക് നീക്കുക</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>വലത്തേക്ക് നീക്കുക</translation>
    </message>
</context>
<context>
    <name>Rashis</name>
    <message>
        <source>Mesha</source>
        <translation>മേടം</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>ഇടവം</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>മിഥുനം</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>കർക്കടകം</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>ചിങ്ങം</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>കന്നി</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>തുലാം</translation>
    </message>
    <message>
        <source>Vrishcika</source>
        <translation>വൃശ്ചികം</translation>
    </message>
    <message>
        <source>Dhanush</source>
        <translation>ധനു</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>മകരം</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>കുംഭം</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>മീനം</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Rahu</source>
        <translation>രാഹു</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>കേതു</translation>
    </message>
    <message>
        <source>Lagna / Ascendant</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>മധ്യലഗ്നം</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute South</source>
        <translation>അക്ഷാംശം: %1 ഡിഗ്രി %2 മിനിറ്റ് തെക്ക്</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute North</source>
        <translation>അക്ഷാംശം: %1 ഡിഗ്രി %2 മിനിറ്റ് വടക്ക്</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute East</source>
        <translation>രേഖാംശം: %1 ഡിഗ്രി %2 മിനിറ്റ് കിഴക്ക്</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute West</source>
        <translation>രേഖാംശം: %1 ഡിഗ്രി %2 മിനിറ്റ് പടിഞ്ഞാറ്</translation>
    </message>
    <message>
        <source>Time Zone: %1</source>
        <translation>സമയമേഖല: %1</translation>
    </message>
    <message>
        <source>Daylight Saving: Yes</source>
        <translation>ഡേലൈറ്റ് സേവിംഗ്: അതെ</translation>
    </message>
    <message>
        <source>Daylight Saving: No</source>
        <translation>ഡേലൈറ്റ് സേവിംഗ്: ഇല്ല</translation>
    </message>
    <message>
        <source>Positions from Tirovane&apos;s own ephemeris (Lahiri ayanamsa).</source>
        <translation>ഗ്രഹസ്ഥിതികൾ Tirovane-ന്റെ സ്വന്തം എഫെമെറിസ് പ്രകാരം (ലാഹിരി അയനാംശം).</translation>
    </message>
    <message>
        <source>%1: %2 %3: %4</source>
        <translation>%1: %2 %3: %4</translation>
    </message>
    <message>
        <source>Made on %1 %2, %3 at %4</source>
        <translation>തയ്യാറാക്കിയത്: %3 %1 %2, %4</translation>
    </message>
    <message>
        <source>Manglik Matching Reading</source>
        <translation>ചൊവ്വാദോഷ പൊരുത്ത ഫലം</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>പേജ് %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Effects &amp; Remedies</source>
        <translation>ഫലങ്ങൾ &amp; പരിഹാരങ്ങൾ</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Your Details</source>
        <translation>നിങ്ങളുടെ വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details</source>
        <translation>പങ്കാളിയുടെ വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Ascendant (Lagna)</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Moon Sign (Rashi)</source>
        <translation>ചന്ദ്രരാശി (കൂറ്)</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>വ്യക്തിഗത വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>വൈദിക ഗ്രഹസ്ഥിതി</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>മറ്റ് വൈദിക വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Manglik Interpretation</source>
        <translation>ചൊവ്വാദോഷ വിശകലനം</translation>
    </message>
    <message>
        <source>Manglik Matching</source>
        <translation>ചൊവ്വാദോഷ പൊരുത്തം</translation>
    </message>
    <message>
        <source>Lagna Manglik Interpretation</source>
        <translation>ലഗ്നാൽ ചൊവ്വാദോഷ വിശകലനം</translation>
    </message>
    <message>
        <source>Chandra Manglik Interpretation</source>
        <translation>ചന്ദ്രാൽ ചൊവ്വാദോഷ വിശകലനം</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>പേര്: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>ജനനത്തീയതി: %3 %1 %2</translation>
    </message>
    <message>
        <source>Time of Birth: %1 HH %2 MM </source>
        <translation>ജനനസമയം: %1 മണി %2 മിനിറ്റ് </translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>അക്ഷാംശം: %1 ഡിഗ്രി %2 മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>രേഖാംശം: %1 ഡിഗ്രി %2 മിനിറ്റ്</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>നഗരം: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>സംസ്ഥാനം: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>രാജ്യം: %1</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa). The Swiss Ephemeris files were not found, so its less precise analytic theory was used.</source>
        <translation>ഗ്രഹസ്ഥിതികൾ സ്വിസ് എഫെമെറിസ് പ്രകാരം (ലാഹിരി അയനാംശം). സ്വിസ് എഫെമെറിസ് ഫയലുകൾ കണ്ടെത്തിയില്ല, അതിനാൽ അതിന്റെ തന്നെ കൃത്യത കുറഞ്ഞ ഗണിതസിദ്ധാന്തം ഉപയോഗിച്ചു.</translation>
    </message>
    <message>
        <source>Positions from the Swiss Ephemeris (Lahiri ayanamsa).</source>
        <translation>ഗ്രഹസ്ഥിതികൾ സ്വിസ് എഫെമെറിസ് പ്രകാരം (ലാഹിരി അയനാംശം).</translation>
    </message>
    <message>
        <source>Remedies for Manglik</source>
        <translation>ചൊവ്വാദോഷ പരിഹാരങ്ങൾ</translation>
    </message>
    <message>
        <source>Here are some ways to avoid or escape the ill-effects of being a manglik.</source>
        <translation>ചൊവ്വാദോഷത്തിന്റെ ദോഷഫലങ്ങൾ ഒഴിവാക്കാനോ അവയിൽ നിന്ന് രക്ഷനേടാനോ ഉള്ള ചില മാർഗങ്ങൾ ഇതാ.</translation>
    </message>
    <message>
        <source>1) Chant Hanuman Chalisa regularly. </source>
        <translation>1) പതിവായി ഹനുമാൻ ചാലിസ ജപിക്കുക. </translation>
    </message>
    <message>
        <source>3) Refrain from eating on Tuesdays.</source>
        <translation>3) ചൊവ്വാഴ്ചകളിൽ ആഹാരം കഴിക്കാതിരിക്കുക.</translation>
    </message>
    <message>
        <source>4) Chant the Gayatri Mantra for 108 times everyday.</source>
        <translation>4) ദിവസവും 108 തവണ ഗായത്രീമന്ത്രം ജപിക്കുക.</translation>
    </message>
    <message>
        <source>5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.</source>
        <translation>5) തുളസീദാസിന്റെ രാമചരിതമാനസത്തിലെ സുന്ദരകാണ്ഡം 40 ദിവസം പാരായണം ചെയ്യുക. ഒരു ചൊവ്വാഴ്ച ആരംഭിക്കുക.</translation>
    </message>
    <message>
        <source>6) Donate red-colored cloth to those who work in mines or donate it to ironsmiths.</source>
        <translation>6) ഖനികളിൽ ജോലി ചെയ്യുന്നവർക്കോ കൊല്ലന്മാർക്കോ ചുവന്ന തുണി ദാനം ചെയ്യുക.</translation>
    </message>
    <message>
        <source>7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.</source>
        <translation>7) പണ്ഡിതനായ ഒരു വൈദിക ജ്യോത്സ്യനെക്കൊണ്ട് വീട്ടിൽ ഹനുമാൻ സാധന നടത്തിക്കുക.</translation>
    </message>
    <message>
        <source>8) Give out sindoor, sweets and a lighted ghee lamp to people around temples.</source>
        <translation>8) ക്ഷേത്രങ്ങൾക്കു സമീപമുള്ള ആളുകൾക്ക് സിന്ദൂരം, മധുരപലഹാരങ്ങൾ, നെയ്യൊഴിച്ചു കത്തിച്ച വിളക്ക് എന്നിവ നൽകുക.</translation>
    </message>
    <message>
        <source>Effects of being A Manglik</source>
        <translation>ചൊവ്വാദോഷത്തിന്റെ ഫലങ്ങൾ</translation>
    </message>
    <message>
        <source>Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic Astrology in recent times. It is imperative to test whether you are a manglik before marriage through matching you and your fiancé’s horoscopes. One becomes a manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th and 12th. The effects of being a manglik can be long-term and deadly. Of course, there are other things that play a great part in augmenting or reducing the influence of mangal, but they are not present in everyone’s horoscope so be prepared for the ill-effects of mangal dosha:</source>
        <translation>ചൊവ്വാദോഷം അഥവാ കുജദോഷം ഒരുപക്ഷേ ഈയിടെയായി വൈദിക ജ്യോതിഷത്തിൽ ഏറ്റവും കൂടുതൽ ചർച്ച ചെയ്യപ്പെടുന്ന വിഷയങ്ങളിലൊന്നാണ്. വിവാഹത്തിനു മുമ്പ് നിങ്ങളുടെയും പ്രതിശ്രുത വരന്റെയോ വധുവിന്റെയോ ജാതകങ്ങൾ ഒത്തുനോക്കി നിങ്ങൾക്ക് ചൊവ്വാദോഷമുണ്ടോ എന്ന് പരിശോധിക്കേണ്ടത് അത്യാവശ്യമാണ്. ചൊവ്വ താഴെപ്പറയുന്ന ഏതെങ്കിലും ഭാവത്തിൽ നിൽക്കുമ്പോഴാണ് ഒരാൾക്ക് ചൊവ്വാദോഷം ഉണ്ടാകുന്നത്: ഒന്ന്, നാല്, ഏഴ്, എട്ട്, പന്ത്രണ്ട്. ചൊവ്വാദോഷത്തിന്റെ ഫലങ്ങൾ ദീർഘകാലം നീണ്ടുനിൽക്കുന്നതും മാരകവുമാകാം. തീർച്ചയായും, ചൊവ്വയുടെ സ്വാധീനം കൂട്ടുന്നതിലോ കുറയ്ക്കുന്നതിലോ വലിയ പങ്കുവഹിക്കുന്ന മറ്റു ഘടകങ്ങളുമുണ്ട്, എന്നാൽ അവ എല്ലാവരുടെയും ജാതകത്തിൽ ഉണ്ടാകണമെന്നില്ല; അതിനാൽ ചൊവ്വാദോഷത്തിന്റെ ദോഷഫലങ്ങളെ നേരിടാൻ തയ്യാറായിരിക്കുക:</translation>
    </message>
    <message>
        <source>1) Extreme delay in marriage procedures.</source>
        <translation>1) വിവാഹം നടക്കുന്നതിൽ വളരെയധികം കാലതാമസം.</translation>
    </message>
    <message>
        <source>2) Troubled married life</source>
        <translation>2) പ്രശ്നങ്ങൾ നിറഞ്ഞ ദാമ്പത്യജീവിതം</translation>
    </message>
    <message>
        <source>3) Incompatibility between partners.</source>
        <translation>3) ദമ്പതികൾ തമ്മിലുള്ള പൊരുത്തക്കേട്.</translation>
    </message>
    <message>
        <source>4) Divorce.</source>
        <translation>4) വിവാഹമോചനം.</translation>
    </message>
    <message>
        <source>5) Death of the spouse.</source>
        <translation>5) ജീവിതപങ്കാളിയുടെ മരണം.</translation>
    </message>
    <message>
        <source>6) Complications in Childbirth.</source>
        <translation>6) പ്രസവത്തിലെ സങ്കീർണതകൾ.</translation>
    </message>
    <message>
        <source>Other than the marriage related problems, there could be problems arising in various areas of your life such as</source>
        <translation>വിവാഹവുമായി ബന്ധപ്പെട്ട പ്രശ്നങ്ങൾക്കു പുറമേ, നിങ്ങളുടെ ജീവിതത്തിന്റെ പല മേഖലകളിലും പ്രശ്നങ്ങൾ ഉണ്ടാകാം, ഉദാഹരണത്തിന്</translation>
    </message>
    <message>
        <source>1) Problems in the professional life such as a late start of the career</source>
        <translation>1) തൊഴിൽജീവിതത്തിലെ പ്രശ്നങ്ങൾ, ഉദാഹരണത്തിന് ഔദ്യോഗിക ജീവിതം വൈകി ആരംഭിക്കുന്നത്</translation>
    </message>
    <message>
        <source>2) Irregularity in education</source>
        <translation>2) വിദ്യാഭ്യാസത്തിലെ ക്രമമില്ലായ്മ</translation>
    </message>
    <message>
        <source>3) Financial crisis</source>
        <translation>3) സാമ്പത്തിക പ്രതിസന്ധി</translation>
    </message>
    <message>
        <source>4) Anxiety and stress</source>
        <translation>4) ഉത്കണ്ഠയും മാനസിക സമ്മർദവും</translation>
    </message>
    <message>
        <source>5) Sexual dissatisfaction</source>
        <translation>5) ലൈംഗിക അസംതൃപ്തി</translation>
    </message>
    <message>
        <source>6) Persisting clash with the family</source>
        <translation>6) കുടുംബവുമായി തുടർച്ചയായ കലഹം</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>സൂര്യൻ</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>ചന്ദ്രൻ</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>ബുധൻ</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>ശുക്രൻ</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>കുജൻ / ചൊവ്വ</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>ഗുരു / വ്യാഴം</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>ശനി</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>അയനാംശം</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>നക്ഷത്രം</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>പാദം</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>അധിപൻ</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>കൂറ് (ചന്ദ്രരാശി)</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>ലഗ്നസ്ഫുടം</translation>
    </message>
    <message>
        <source>P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha.</source>
        <translation>പിൻകുറിപ്പ്: ചൊവ്വാദോഷ പരിഹാരത്തിനുള്ള കൂടുതൽ വിശദമായ ഉപദേശത്തിന് ദയവായി ഒരു ജ്യോത്സ്യനെ സമീപിക്കുക.</translation>
    </message>
    <message>
        <source>For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.</source>
        <translation>ചൊവ്വാദോഷത്തെക്കുറിച്ചുള്ള വിശദമായ ഉപദേശത്തിനും കൂടിയാലോചനയ്ക്കും Tirovane ഹോം പേജ് സന്ദർശിക്കുക.</translation>
    </message>
    <message>
        <source>Precise Chart of %1</source>
        <translation>കൃത്യമായ ഗ്രഹനില: %1</translation>
    </message>
    <message>
        <source>Precise chart</source>
        <translation>കൃത്യമായ ഗ്രഹനില</translation>
    </message>
    <message>
        <source>Precise ephemeris notice</source>
        <translation>കൃത്യമായ എഫെമെറിസ്: അറിയിപ്പ്</translation>
    </message>
    <message>
        <source>View Precise Chart</source>
        <translation>കൃത്യമായ ഗ്രഹനില കാണുക</translation>
    </message>
    <message>
        <source>Effects &amp;&amp; Remedies</source>
        <translation>ഫലങ്ങൾ &amp;&amp; പരിഹാരങ്ങൾ</translation>
    </message>
</context>
<context>
    <name>SignAbbreviations</name>
    <message>
        <source>Ari</source>
        <translation>മേടം</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ഇടവം</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>മിഥുനം</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>കർക്കടകം</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ചിങ്ങം</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>കന്നി</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>തുലാം</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>വൃശ്ചികം</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ധനു</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>മകരം</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>കുംഭം</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>മീനം</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>മേടം</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ഇടവം</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>മിഥുനം</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>കർക്കടകം</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ചിങ്ങം</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>കന്നി</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>തുലാം</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>വൃശ്ചികം</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ധനു</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>മകരം</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>കുംഭം</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>മീനം</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>ദയവായി പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ ഡിഗ്രി നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ മിനിറ്റ് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ ഡിഗ്രി നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ മിനിറ്റ് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter City name</source>
        <translation>ദയവായി നഗരത്തിന്റെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter State name</source>
        <translation>ദയവായി സംസ്ഥാനത്തിന്റെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Country name</source>
        <translation>ദയവായി രാജ്യത്തിന്റെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>ദയവായി അക്ഷരങ്ങൾ മാത്രം നൽകുക</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>ദയവായി അക്കങ്ങൾ മാത്രം നൽകുക</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ ദിശ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ ദിശ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>ദയവായി ശരിയായ അക്ഷാംശം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>ദയവായി ശരിയായ രേഖാംശം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>ദയവായി ശരിയായ തീയതിയോ മാസമോ നൽകുക!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>ദയവായി ശരിയായ തീയതിയോ മാസമോ നൽകുക !</translation>
    </message>
    <message>
        <source>Required File Is Missing. Please Reinstall The Software.</source>
        <translation>ആവശ്യമായ ഒരു ഫയൽ കാണുന്നില്ല. ദയവായി സോഫ്റ്റ്‌വെയർ വീണ്ടും ഇൻസ്റ്റാൾ ചെയ്യുക.</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Link</source>
        <translation>ലിങ്ക്</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>അലാസ്ക/ഹവായ് ഡേലൈറ്റ് സമയം,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>അലാസ്ക/ഹവായ് സ്റ്റാൻഡേർഡ് സമയം,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>അലാസ്ക/ഹവായ് യുദ്ധകാല സമയം,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>അറ്റ്ലാന്റിക് സ്റ്റാൻഡേർഡ് സമയം,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>അറ്റ്ലാന്റിക് യുദ്ധകാല സമയം,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ഓസ്ട്രേലിയൻ സെൻട്രൽ ഡേലൈറ്റ് സമയം,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ഓസ്ട്രേലിയൻ സെൻട്രൽ സ്റ്റാൻഡേർഡ് സമയം,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ഓസ്ട്രേലിയൻ കിഴക്കൻ ഡേലൈറ്റ് സമയം,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ഓസ്ട്രേലിയൻ കിഴക്കൻ സ്റ്റാൻഡേർഡ് സമയം,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ഓസ്ട്രേലിയൻ പടിഞ്ഞാറൻ ഡേലൈറ്റ് സമയം,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ഓസ്ട്രേലിയൻ പടിഞ്ഞാറൻ സ്റ്റാൻഡേർഡ് സമയം,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>അസോറസ് സമയം, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>ബാഗ്ദാദ് സമയം, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ബെറിങ് സ്റ്റാൻഡേർഡ് സമയം,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ബ്രസീൽ മേഖല 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ബ്രിട്ടീഷ് ഇരട്ട ഗ്രീഷ്മകാല സമയം,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ബ്രിട്ടീഷ് ഗ്രീഷ്മകാല സമയം,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ബ്രിട്ടീഷ് യുദ്ധകാല സമയം,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>സെൻട്രൽ ഡേലൈറ്റ് സമയം,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>സെൻട്രൽ യൂറോപ്യൻ ഡേലൈറ്റ് സമയം,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>സെൻട്രൽ യൂറോപ്യൻ സമയം,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>സെൻട്രൽ സ്റ്റാൻഡേർഡ് സമയം,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>സെൻട്രൽ യുദ്ധകാല സമയം,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ചൈന തീരദേശ സമയം,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>കിഴക്കൻ ഡേലൈറ്റ് സമയം,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>കിഴക്കൻ യൂറോപ്യൻ ഡേലൈറ്റ് സമയം,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>കിഴക്കൻ യൂറോപ്യൻ സമയം,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>കിഴക്കൻ സ്റ്റാൻഡേർഡ് സമയം,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>കിഴക്കൻ യുദ്ധകാല സമയം,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ഗ്രീൻവിച്ച് മീൻ സമയം,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ഗ്വാം സ്റ്റാൻഡേർഡ് സമയം,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ഹവായ് ഡേലൈറ്റ് സമയം,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ഹവായ് സ്റ്റാൻഡേർഡ് സമയം,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ഹവായ് യുദ്ധകാല സമയം,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ഇന്ത്യൻ സമയം, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>അന്താരാഷ്ട്ര ദിനാങ്കരേഖ കിഴക്ക്,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>അന്താരാഷ്ട്ര ദിനാങ്കരേഖ പടിഞ്ഞാറ്,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ഇറാൻ സമയം, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>ജപ്പാൻ സ്റ്റാൻഡേർഡ് സമയം,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ജാവ സമയം, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>മധ്യ യൂറോപ്യൻ ഡേലൈറ്റ് സമയം,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>മധ്യ യൂറോപ്യൻ സമയം,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>മൊളുക്കാസ് സമയം, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>മൗണ്ടൻ ഡേലൈറ്റ് സമയം,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>മൗണ്ടൻ സ്റ്റാൻഡേർഡ് സമയം,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>മൗണ്ടൻ യുദ്ധകാല സമയം,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ന്യൂസീലൻഡ് സ്റ്റാൻഡേർഡ് ഗ്രീഷ്മകാല സമയം,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ന്യൂസീലൻഡ് സ്റ്റാൻഡേർഡ് സമയം,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ന്യൂസീലൻഡ് ഗ്രീഷ്മകാല സമയം,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ന്യൂസീലൻഡ് സമയം,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ന്യൂഫൗണ്ട്ലാൻഡ് സ്റ്റാൻഡേർഡ് സമയം,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>നോം സമയം, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>വടക്കൻ സുമാത്ര സമയം,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>പസഫിക് ഡേലൈറ്റ് സമയം,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>പസഫിക് സ്റ്റാൻഡേർഡ് സമയം,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>പസഫിക് യുദ്ധകാല സമയം,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>സൗത്ത് ഓസ്ട്രേലിയ ഡേലൈറ്റ് സമയം,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>സൗത്ത് ഓസ്ട്രേലിയ ഡേലൈറ്റ് സമയം,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>സൗത്ത് ഓസ്ട്രേലിയ സ്റ്റാൻഡേർഡ് സമയം,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>സൗത്ത് ഓസ്ട്രേലിയ സ്റ്റാൻഡേർഡ് സമയം,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>തെക്കൻ സുമാത്ര സമയം,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>സാർവത്രിക സമയം, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>സോവിയറ്റ് യൂണിയൻ മേഖല 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>പശ്ചിമ ആഫ്രിക്ക സമയം,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>യൂക്കോൺ ഡേലൈറ്റ് സമയം,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>യൂക്കോൺ സ്റ്റാൻഡേർഡ് സമയം,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>യൂക്കോൺ യുദ്ധകാല സമയം,YWT,-8.0</translation>
    </message>
</context>
</TS>
