<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
<!-- The texts of Qt's own dialogs and buttons that Kalnika shows (message boxes, the file
     dialog, the print dialog's printer panel, print preview, the editing menu of a text box), in Marathi: Debian has no Marathi
     translation of Qt (qt6-translations-l10n). The sources are Qt 6's own texts, kept by hand. -->
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नाही (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदत</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>थांबवा</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>पूर्ववत करा</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>पुन्हा प्रयत्न करा</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>पूर्वनिर्धारित परत आणा</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>दुर्लक्ष करा</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सर्वांना नाही (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सर्व जतन करा</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>टाकून द्या</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सर्वांना होय (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रत करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>मागे घ्या (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रत करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>मागे घ्या (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>दुव्याचा पत्ता प्रत करा (&amp;L)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>मागे</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
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
        <source>Files</source>
        <translation>फाईली</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फाईलचे नाव (&amp;N):</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>येथे पाहा:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फाईलचा प्रकार:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>या नावाने जतन करा</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>वरचे फोल्डर</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नवे फोल्डर</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नवे फोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नवे फोल्डर तयार करा</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नवे फोल्डर तयार करा</translation>
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
        <source>Go back</source>
        <translation>मागे जा</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>पुढे जा</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>वरच्या फोल्डरमध्ये जा</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>यादी दृश्यात पाहा</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>तपशील दृश्यात पाहा</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>अलीकडची ठिकाणे</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>बाजूपट्टी</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फोल्डर:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फोल्डर</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सर्व फाईली (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सर्व फाईली (*)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>काढून टाका (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाव बदला (&amp;R)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>लपवलेल्या फाईली दाखवा (&amp;H)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>काढा</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 आधीच आहे.
तिच्या जागी नवी ठेवायची का?</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फोल्डर सापडले नाही.
फोल्डरचे नाव बरोबर दिले आहे का ते तपासा.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फाईल सापडली नाही.
फाईलचे नाव बरोबर दिले आहे का ते तपासा.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>'%1' नक्की काढून टाकायची का?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फोल्डर काढून टाकता आले नाही.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलल्याची तारीख</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>माझा संगणक</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>संगणक</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Print</source>
        <translation>छापा (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>पर्याय (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>पर्याय (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फाईलमध्ये छापा (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>या संगणकावरील फाईल</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फाईल लिहिणे</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फाईलमध्ये छापा …</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाव (&amp;N):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुणधर्म (&amp;R)</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>ठिकाण:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>छपाईची फाईल (&amp;F):</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>छपाईचे पूर्वदृश्य</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापा</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूर्ण पान</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>पानाची रुंदी</translation>
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
        <source>Landscape</source>
        <translation>आडवे</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>उभे</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>पानाची मांडणी</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पानाची मांडणी</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहिले पान</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>शेवटचे पान</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>मागचे पान</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>पुढचे पान</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पान दाखवा</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>समोरासमोरची पाने दाखवा</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सर्व पानांचा आढावा दाखवा</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF मध्ये निर्यात करा</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
</TS>
