<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Hindu Kalnika VERSION 1.0</source>
        <translation>हिंदू कालनिका आवृत्ती १.०</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>लेखक: %1</translation>
    </message>
    <message>
        <source>Version %1, built with Qt %2.</source>
        <translation>आवृत्ती %1, Qt %2 वापरून तयार केलेली.</translation>
    </message>
    <message>
        <source>Free software under the %1.</source>
        <translation>%1 अंतर्गत मुक्त सॉफ्टवेअर.</translation>
    </message>
    <message>
        <source>Town data of the place finder: GeoNames (https://www.geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0).</source>
        <translation>स्थळ-शोधातील गावांची माहिती: GeoNames (https://www.geonames.org), Creative Commons Attribution 4.0 (CC BY 4.0) परवान्याखाली.</translation>
    </message>
    <message>
        <source>Time zones and summer time: the IANA tz database (tzdata) of this system, read with Howard Hinnant&apos;s date library.</source>
        <translation>वेळ विभाग आणि उन्हाळी वेळ: या संगणकावरील IANA tz माहितीसंच (tzdata), हॉवर्ड हिनंट यांच्या date लायब्ररीद्वारे वाचलेला.</translation>
    </message>
    <message>
        <source>Positions of the precise method: Swiss Ephemeris by Astrodienst (https://www.astro.com/swisseph), licensed under the AGPL.</source>
        <translation>दृक्सिद्ध पद्धतीतील सूर्य-चंद्राच्या स्थिती: ॲस्ट्रोडिन्स्टचे स्विस इफेमेरिस (https://www.astro.com/swisseph), AGPL परवान्याखाली.</translation>
    </message>
    <message>
        <source>Places and auspicious days are read from and stored in:</source>
        <translation>स्थळे आणि शुभ दिवस या फाईलमधून वाचले जातात व तिच्यात साठवले जातात:</translation>
    </message>
    <message>
        <source>Kalnika Help</source>
        <translation>कालनिका मदत</translation>
    </message>
    <message>
        <source>: the columns of the table, the clock notation, the eras and the place file.</source>
        <translation>: तक्त्याचे स्तंभ, वेळ लिहिण्याची पद्धत, शक-संवत आणि स्थळांची फाईल.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक</translation>
    </message>
    <message>
        <source>the Kalnika developers</source>
        <translation>कालनिका विकासक</translation>
    </message>
    <message>
        <source>KALNIKA Ver. 1.0 By the Kalnika developers</source>
        <translation>कालनिका आवृत्ती १.० — कालनिका विकासक</translation>
    </message>
    <message>
        <source>GNU Affero General Public License, version 3 or later</source>
        <translation>GNU Affero General Public License, आवृत्ती ३ किंवा नंतरची</translation>
    </message>
</context>
<context>
    <name>AddLocationDialog</name>
    <message>
        <source>deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>min</source>
        <translation>मिनिटे</translation>
    </message>
    <message>
        <source>N/S</source>
        <translation>N/S (उ/द)</translation>
    </message>
    <message>
        <source>E/W</source>
        <translation>E/W (पू/प)</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>तास</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>शहर (&amp;I):</translation>
    </message>
    <message>
        <source>&amp;State/Province:</source>
        <translation>राज्य/प्रांत (&amp;S):</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>देश (&amp;O):</translation>
    </message>
    <message>
        <source>La&amp;titude:</source>
        <translation>अक्षांश (&amp;T):</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>रेखांश (&amp;N):</translation>
    </message>
    <message>
        <source>Time &amp;Zone:</source>
        <translation>वेळ विभाग (&amp;Z):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>शोधा (&amp;F):</translation>
    </message>
    <message>
        <source>a town&apos;s name: Pune, पुणे</source>
        <translation>गावाचे नाव: पुणे, Pune</translation>
    </message>
    <message>
        <source>OK stores the town&apos;s time zone %1 with the place, unless another zone is chosen below.</source>
        <translation>खाली दुसरा वेळ विभाग निवडला नाही तर &quot;ठीक&quot; दाबल्यावर गावाचा वेळ विभाग %1 स्थळासोबत साठवला जाईल.</translation>
    </message>
    <message>
        <source>Choose a town to fill in the entries below; they can still be changed. Town data: GeoNames.</source>
        <translation>खालील नोंदी भरण्यासाठी गाव निवडा; त्या नंतरही बदलता येतील. गावांची माहिती: GeoNames.</translation>
    </message>
    <message>
        <source>%1 of %2 characters used by “City, State, Country”</source>
        <translation>“शहर, राज्य, देश” यांनी %2 पैकी %1 जागा घेतल्या (देवनागरीचे एक अक्षर ३ जागा घेते)</translation>
    </message>
    <message>
        <source>Adding New Locations to INI File</source>
        <translation>INI फाईलमध्ये नवीन स्थळे जोडणे</translation>
    </message>
</context>
<context>
    <name>DayViewDialog</name>
    <message>
        <source>◀ &amp;Previous day</source>
        <translation>◀ मागचा दिवस (&amp;P)</translation>
    </message>
    <message>
        <source>Left arrow or Page Up</source>
        <translation>डावा बाण किंवा Page Up</translation>
    </message>
    <message>
        <source>&amp;Next day ▶</source>
        <translation>पुढचा दिवस (&amp;N) ▶</translation>
    </message>
    <message>
        <source>Right arrow or Page Down</source>
        <translation>उजवा बाण किंवा Page Down</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>छापा… (&amp;R)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF म्हणून जतन करा… (&amp;D)</translation>
    </message>
    <message>
        <source>Saves the day as a one-page PDF file</source>
        <translation>दिवसाचे पंचांग एका पानाच्या PDF फाईलमध्ये जतन करते</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2</source>
        <translation>PDF फाईल &quot;%1&quot; लिहिता आली नाही: %2</translation>
    </message>
    <message>
        <source>Save Day as PDF</source>
        <translation>दिवसाचे पंचांग PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फाईली (*.pdf)</translation>
    </message>
    <message>
        <source>Prints the day on one page (Ctrl+P)</source>
        <translation>दिवसाचे पंचांग एका पानावर छापते (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>छपाईचे पूर्वदृश्य… (&amp;V)</translation>
    </message>
    <message>
        <source>Shows the printed page first</source>
        <translation>छापले जाणारे पान आधी दाखवते</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करा (&amp;C)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>दिवसाचे पंचांग</translation>
    </message>
    <message>
        <source>Day View: %1</source>
        <translation>दिवसाचे पंचांग: %1</translation>
    </message>
    <message>
        <source>Print the Day</source>
        <translation>दिवसाचे पंचांग छापा</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Export Calendar (iCalendar)</source>
        <translation>दिनदर्शिका निर्यात (iCalendar)</translation>
    </message>
    <message>
        <source>The shown &amp;month (%1)</source>
        <translation>दाखवलेला महिना (&amp;M): %1</translation>
    </message>
    <message>
        <source>The whole &amp;year %1</source>
        <translation>संपूर्ण वर्ष %1 (&amp;Y)</translation>
    </message>
    <message>
        <source>Each day&apos;s &amp;tithi, with its end</source>
        <translation>प्रत्येक दिवसाची तिथी, तिच्या समाप्तीसह (&amp;T)</translation>
    </message>
    <message>
        <source>Festivals and other notes, the Sun&apos;s entries into the signs, the new and full moons; the texts in %1, as the table shows them.</source>
        <translation>सण व इतर नोंदी, सूर्याचे राशीप्रवेश, अमावास्या व पौर्णिमा; मजकूर %1मध्ये, तक्त्यात दिसतो तसा.</translation>
    </message>
    <message>
        <source>Latin letters</source>
        <translation>रोमन लिपी</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>देवनागरी</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापा… (&amp;P)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>छपाईचे पूर्वदृश्य… (&amp;V)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF म्हणून जतन करा… (&amp;D)</translation>
    </message>
    <message>
        <source>Save &amp;Year as PDF...</source>
        <translation>संपूर्ण वर्ष PDF म्हणून जतन करा… (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV निर्यात करा… (&amp;E)</translation>
    </message>
    <message>
        <source>Export &amp;Calendar (iCalendar)...</source>
        <translation>दिनदर्शिका निर्यात करा (iCalendar)… (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहेर पडा (&amp;Q)</translation>
    </message>
    <message>
        <source>No month table is shown. Press &quot;Calculate&quot; first.</source>
        <translation>कोणताही महिन्याचा तक्ता दाखवलेला नाही. आधी &quot;गणना करा&quot; दाबा.</translation>
    </message>
    <message>
        <source>The %1 file &quot;%2&quot; could not be written: %3</source>
        <translation>%1 फाईल &quot;%2&quot; लिहिता आली नाही: %3</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar फाईली (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फाईली (*.pdf)</translation>
    </message>
    <message>
        <source>Save Year as PDF</source>
        <translation>संपूर्ण वर्ष PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV निर्यात करा</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV फाईली (*.csv)</translation>
    </message>
    <message>
        <source>Print &amp;Wall Calendar...</source>
        <translation>भिंतीवरची दिनदर्शिका छापा… (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save Wall Calendar as PDF...</source>
        <translation>भिंतीवरची दिनदर्शिका PDF म्हणून जतन करा… (&amp;S)</translation>
    </message>
    <message>
        <source>Save Yea&amp;r Wall Calendar as PDF...</source>
        <translation>वर्षाची भिंतीवरची दिनदर्शिका PDF म्हणून जतन करा… (&amp;R)</translation>
    </message>
    <message>
        <source>Save Wall Calendar as PDF</source>
        <translation>भिंतीवरची दिनदर्शिका PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Save Year Wall Calendar as PDF</source>
        <translation>वर्षाची भिंतीवरची दिनदर्शिका PDF म्हणून जतन करा</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 was not found: %2</source>
        <translation>मदत-पुस्तिका %1 सापडली नाही: %2</translation>
    </message>
    <message>
        <source>Kalnika Help</source>
        <translation>कालनिका मदत</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (आपोआप)</translation>
    </message>
    <message>
        <source>by the daylight-saving box (ticked)</source>
        <translation>उन्हाळी वेळेच्या चौकटीनुसार (खूण केलेली)</translation>
    </message>
    <message>
        <source>by the daylight-saving box</source>
        <translation>उन्हाळी वेळेच्या चौकटीनुसार</translation>
    </message>
    <message>
        <source>, from %1 %2</source>
        <translation>, %1 पासून %2</translation>
    </message>
    <message>
        <source>Precise method</source>
        <translation>दृक्सिद्ध पद्धत</translation>
    </message>
    <message>
        <source>Classic method</source>
        <translation>पारंपरिक पद्धत</translation>
    </message>
    <message>
        <source>%1  ·  Clock: %2</source>
        <translation>%1  ·  घड्याळ: %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाईल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>भाषा (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>Kalnika &amp;Help</source>
        <translation>कालनिका मदत (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Kalnika</source>
        <translation>कालनिकाविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>The clock follows the time zone %1, standard or summer time on each date (View &gt; Clock).</source>
        <translation>घड्याळ %1 या वेळ विभागानुसार चालते: प्रत्येक तारखेला प्रमाण वेळ किंवा उन्हाळी वेळ (दृश्य &gt; घड्याळ).</translation>
    </message>
    <message>
        <source>Calculate the month table for the month, year and place chosen. The table is calculated at once too when a month or a place is chosen, or a year typed (Enter, or leaving the box).
Page Up / Page Down: previous / next month; Ctrl+Page Up / Ctrl+Page Down: previous / next year.</source>
        <translation>निवडलेला महिना, वर्ष आणि स्थळ यांचा तक्ता तयार करा. महिना किंवा स्थळ निवडल्यावर, किंवा वर्ष लिहिल्यावर (Enter, किंवा चौकटीतून बाहेर पडल्यावर) तक्ता लगेचच तयार होतो.
Page Up / Page Down: मागचा / पुढचा महिना; Ctrl+Page Up / Ctrl+Page Down: मागचे / पुढचे वर्ष.</translation>
    </message>
    <message>
        <source>Scroll up/down and click on new Location.
Or type to search: the names that start with the text come first.</source>
        <translation>नवे स्थळ निवडण्यासाठी वर/खाली सरकवून क्लिक करा.
किंवा शोधण्यासाठी टाइप करा: त्या अक्षरांनी सुरू होणारी नावे आधी येतात.</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>महिना (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>वर्ष (&amp;Y)</translation>
    </message>
    <message>
        <source>----Latitude----</source>
        <translation>----अक्षांश----</translation>
    </message>
    <message>
        <source>Deg.</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>मि.</translation>
    </message>
    <message>
        <source>----Longitude----</source>
        <translation>----रेखांश----</translation>
    </message>
    <message>
        <source>UTC +/-</source>
        <translation>UTC +/-</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>वेळ विभाग</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>स्थळ (&amp;L)</translation>
    </message>
    <message>
        <source>Day light &amp;saving Time?</source>
        <translation>उन्हाळी वेळ आहे? (&amp;S)</translation>
    </message>
    <message>
        <source>Scroll up/down and click for new month.</source>
        <translation>नवा महिना निवडण्यासाठी वर/खाली सरकवून क्लिक करा.</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>मागचा महिना</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>पुढचा महिना</translation>
    </message>
    <message>
        <source>Type any desired year here.</source>
        <translation>हवे ते वर्ष येथे लिहा.</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>पुढचे वर्ष</translation>
    </message>
    <message>
        <source>Previous year.</source>
        <translation>मागचे वर्ष.</translation>
    </message>
    <message>
        <source>New Kaliyugabd starts on January 23.</source>
        <translation>नवे कलियुगाब्द २३ जानेवारीला सुरू होते.</translation>
    </message>
    <message>
        <source>New Vikram Samvat starts on Kartik Shukla Pratipada.</source>
        <translation>नवे विक्रम संवत कार्तिक शुक्ल प्रतिपदेला सुरू होते.</translation>
    </message>
    <message>
        <source>&amp;Add New Locations</source>
        <translation>नवीन स्थळे जोडा (&amp;A)</translation>
    </message>
    <message>
        <source>Set Current Location as &amp;Default</source>
        <translation>हे स्थळ पूर्वनिर्धारित ठेवा (&amp;D)</translation>
    </message>
    <message>
        <source>A&amp;bout/Help</source>
        <translation>माहिती/मदत (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>गणना करा (&amp;C)</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>शोधण्यासाठी टाइप करा</translation>
    </message>
    <message>
        <source> Kalnika Ver. 1.0 by the Kalnika developers</source>
        <translation> कालनिका आवृत्ती १.० — कालनिका विकासक</translation>
    </message>
    <message>
        <source>Place a check mark in the box  if Yes.</source>
        <translation>उन्हाळी वेळ लागू असल्यास चौकटीत खूण करा.</translation>
    </message>
    <message>
        <source>No month table is shown. Press &quot;Calculate&quot; first.</source>
        <translation>कोणताही महिन्याचा तक्ता दाखवलेला नाही. आधी &quot;गणना करा&quot; दाबा.</translation>
    </message>
    <message>
        <source>Da&amp;y View...</source>
        <translation>दिवसाचे पंचांग… (&amp;Y)</translation>
    </message>
    <message>
        <source>The page of the day chosen in the table or the wall calendar</source>
        <translation>तक्त्यात किंवा भिंतीवरच्या दिनदर्शिकेत निवडलेल्या दिवसाचे संपूर्ण पंचांग</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation>राज्य/प्रांत</translation>
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
        <translation>अक्षांशाची मिनिटे</translation>
    </message>
    <message>
        <source>N/S</source>
        <translation>उत्तर/दक्षिण (N/S)</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>रेखांशाचे अंश</translation>
    </message>
    <message>
        <source>E/W</source>
        <translation>पूर्व/पश्चिम (E/W)</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>रेखांशाची मिनिटे</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>वेळ विभागाचे तास</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>वेळ विभागाची मिनिटे</translation>
    </message>
    <message>
        <source>No list of towns is loaded.</source>
        <translation>गावांची यादी लोड केलेली नाही.</translation>
    </message>
    <message>
        <source>Please enter the missing entry: %1</source>
        <translation>राहिलेली नोंद भरा: %1</translation>
    </message>
    <message>
        <source>This entry cannot be stored (no quotes or line breaks): %1</source>
        <translation>ही नोंद साठवता येत नाही (अवतरण चिन्ह किंवा नवी ओळ चालत नाही): %1</translation>
    </message>
    <message>
        <source>The place could not be stored: %1</source>
        <translation>स्थळ साठवता आले नाही: %1</translation>
    </message>
    <message>
        <source>The time zone of %1 cannot be used: %2 Its clock times follow the place&apos;s own zone,%3, and the daylight-saving box.</source>
        <translation>%1 या स्थळाचा वेळ विभाग वापरता येत नाही: %2 त्याच्या वेळा स्थळाच्या स्वतःच्या वेळ विभागानुसार (UTC%3) आणि उन्हाळी वेळेच्या चौकटीनुसार दिल्या जातील.</translation>
    </message>
    <message>
        <source>The place &quot;%1&quot; cannot be computed: %2.</source>
        <translation>&quot;%1&quot; या स्थळाची गणना करता येत नाही: %2.</translation>
    </message>
    <message>
        <source>The default place could not be stored: %1</source>
        <translation>पूर्वनिर्धारित स्थळ साठवता आले नाही: %1</translation>
    </message>
    <message>
        <source>Please shorten the description</source>
        <translation>कृपया वर्णन छोटे करा</translation>
    </message>
    <message>
        <source>%1 is in the list already, at the same latitude and longitude (%2, %3). It is not stored a second time.

Select it in the main window?</source>
        <translation>%1 हे स्थळ याच अक्षांश-रेखांशावर (%2, %3) यादीत आधीच आहे. ते पुन्हा साठवले जाणार नाही.

मुख्य खिडकीत ते निवडायचे का?</translation>
    </message>
    <message>
        <source>You must select a Month</source>
        <translation>कृपया महिना निवडा</translation>
    </message>
    <message>
        <source>You must Type an Year</source>
        <translation>कृपया वर्ष लिहा</translation>
    </message>
    <message>
        <source>You Must select an Year 79 or above.</source>
        <translation>कृपया ७९ किंवा त्यापुढचे वर्ष निवडा.</translation>
    </message>
    <message>
        <source>You Must select an Year 32767 or below.</source>
        <translation>कृपया ३२७६७ किंवा त्याआधीचे वर्ष निवडा.</translation>
    </message>
    <message>
        <source>No place is chosen in the Location box, so none can be the default. Choose a place first.</source>
        <translation>&quot;स्थळ&quot; चौकटीत कोणतेही स्थळ निवडलेले नाही, त्यामुळे पूर्वनिर्धारित म्हणून काहीच ठेवता येत नाही. आधी स्थळ निवडा.</translation>
    </message>
    <message>
        <source>Default set to %1</source>
        <translation>पूर्वनिर्धारित स्थळ ठेवले: %1</translation>
    </message>
    <message>
        <source>The precise method computes the years up to 2999; choose the classic method for a later year.</source>
        <translation>दृक्सिद्ध पद्धत २९९९ पर्यंतच्या वर्षांची गणना करते; त्यापुढील वर्षासाठी पारंपरिक पद्धत निवडा.</translation>
    </message>
    <message>
        <source>Kalnika</source>
        <translation>कालनिका</translation>
    </message>
    <message>
        <source>The classic method reads the place&apos;s zone %1 as %2 (the almanac&apos;s rule reads whole and half hours only); the automatic clock with its zone %3 gives the real clock, %1.</source>
        <translation>पारंपरिक पद्धत स्थळाचा वेळ विभाग %1 हा %2 असा वाचते (पंचांगाचा नियम फक्त पूर्ण आणि अर्धे तास वाचतो); त्याच्या %3 या वेळ विभागासह आपोआप घड्याळ खरी वेळ, %1, देते.</translation>
    </message>
    <message>
        <source>The classic method reads the place&apos;s zone %1 as %2 (the almanac&apos;s rule reads whole and half hours only); the precise method reads %1.</source>
        <translation>पारंपरिक पद्धत स्थळाचा वेळ विभाग %1 हा %2 असा वाचते (पंचांगाचा नियम फक्त पूर्ण आणि अर्धे तास वाचतो); दृक्सिद्ध पद्धत %1 वाचते.</translation>
    </message>
    <message>
        <source>%1 (%2, daylight saving +1 h)</source>
        <translation>%1 (%2, उन्हाळी वेळ +१ तास)</translation>
    </message>
    <message>
        <source>The default place could not be stored: %1 The list of places is read again.</source>
        <translation>पूर्वनिर्धारित स्थळ साठवता आले नाही: %1 स्थळांची यादी पुन्हा वाचली आहे.</translation>
    </message>
    <message>
        <source>The place file had changed since its places were listed; the list is read again. Default set to %1</source>
        <translation>स्थळांची यादी दाखवल्यानंतर स्थळांची फाईल बदलली होती; यादी पुन्हा वाचली आहे. पूर्वनिर्धारित स्थळ ठेवले: %1</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;Devanagari</source>
        <translation>देवनागरी (&amp;D)</translation>
    </message>
    <message>
        <source>Devanagari with &amp;Western Digits</source>
        <translation>देवनागरी, इंग्रजी अंकांसह (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Latin</source>
        <translation>रोमन लिपी (&amp;L)</translation>
    </message>
    <message>
        <source>Latin with &amp;ISO 15919 Marks</source>
        <translation>रोमन लिपी, ISO 15919 चिन्हांसह (&amp;I)</translation>
    </message>
    <message>
        <source>The names as Marathi calendars print them in English letters (Chaitra, Ekadashi); months and weekdays in English</source>
        <translation>इंग्रजी अक्षरांतल्या मराठी दिनदर्शिका छापतात तशी नावे (Chaitra, Ekadashi); महिने व वार इंग्रजीत</translation>
    </message>
    <message>
        <source>Letter for letter, with the marks of ISO 15919 (Caitra, Ēkādaśī)</source>
        <translation>अक्षराला अक्षर, ISO 15919 ची चिन्हे घेऊन (Caitra, Ēkādaśī)</translation>
    </message>
    <message>
        <source>Draw with the &amp;Xdvng Font</source>
        <translation>Xdvng फॉन्टमध्ये दाखवा (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Classic Method</source>
        <translation>पारंपरिक पद्धत (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise Method (Swiss Ephemeris)</source>
        <translation>दृक्सिद्ध पद्धत (स्विस इफेमेरिस) (&amp;P)</translation>
    </message>
    <message>
        <source>The almanac&apos;s own rules: every day at 0 h universal time</source>
        <translation>पंचांगाचे स्वतःचे नियम: प्रत्येक दिवस वैश्विक वेळेच्या (UT) ० वाजता</translation>
    </message>
    <message>
        <source>Swiss Ephemeris, Lahiri zodiac, every day reckoned at its sunrise (years up to 2999)</source>
        <translation>स्विस इफेमेरिस, लाहिरी अयनांश, प्रत्येक दिवस त्याच्या सूर्योदयापासून (२९९९ पर्यंतची वर्षे)</translation>
    </message>
    <message>
        <source>Clock: &amp;Automatic (Place&apos;s Time Zone)</source>
        <translation>घड्याळ: आपोआप (स्थळाचा वेळ विभाग) (&amp;A)</translation>
    </message>
    <message>
        <source>Clock: By the Daylight-Saving &amp;Box</source>
        <translation>घड्याळ: उन्हाळी वेळेच्या चौकटीनुसार (&amp;B)</translation>
    </message>
    <message>
        <source>Standard or summer time on each date, as the place&apos;s time zone kept it; a place without a zone name follows the box</source>
        <translation>प्रत्येक तारखेला प्रमाण वेळ किंवा उन्हाळी वेळ, स्थळाच्या वेळ विभागाने पाळली तशी; वेळ विभागाचे नाव नसलेल्या स्थळासाठी चौकटीनुसार</translation>
    </message>
    <message>
        <source>The place&apos;s own offset, one hour later when the box is ticked</source>
        <translation>स्थळाची स्वतःची प्रमाण वेळ; चौकटीत खूण असल्यास एक तास पुढे</translation>
    </message>
    <message>
        <source>Month &amp;Table</source>
        <translation>महिन्याचा तक्ता (&amp;T)</translation>
    </message>
    <message>
        <source>Wall Cale&amp;ndar</source>
        <translation>भिंतीवरची दिनदर्शिका (&amp;N)</translation>
    </message>
</context>
</TS>
