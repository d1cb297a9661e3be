<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Diskussionsforum</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Wiederverkaufsangebot</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Co-Branding-Angebot</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>mittlere Ortszeit des Geburtsorts</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>Normalzeit</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>doppelte Sommerzeit</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (vor %1 galt Normalzeit)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>Zeitzone am %1, %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>Am %1 wurden die Uhren zurückgestellt, und %2 kam zweimal vor%3: zuerst %4, dann %5. Wähle:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>Am %1 wurden die Uhren vorgestellt, und %2 gab es dort nicht%3. Vorschlag: %4, die Zeit vor der Umstellung.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Stellt die Zeitzone auf „%1“, %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>mit angekreuzter Sommerzeit</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Sommerzeit nicht angekreuzt</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>Der erste: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>Der zweite: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Aszendent</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Geboren</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> Ortszeit</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>angekreuzt</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>nicht angekreuzt</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Weltzeit</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Breite, Länge</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>Letzte &amp;Geburten</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>Die Liste der letzten Geburten in „%1“ konnte weder gelesen noch beiseitegelegt werden. Sie bleibt, wie sie ist, und Geburten werden erst wieder gemerkt, wenn sie entfernt wurde.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>%1 der letzten Geburten konnten nicht gelesen werden. Die Liste wurde als „%2“ beiseitegelegt, und die lesbaren Geburten bleiben erhalten.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>Die Liste der letzten Geburten konnte nicht gelesen werden. Sie wurde als „%1“ beiseitegelegt, und die Liste beginnt leer.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>Die Liste der letzten Geburten konnte nicht in „%1“ gespeichert werden: %2. Sie bleibt erhalten, bis Fortunix beendet wird.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Geld verdienen online</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Erstellt mit Qt, verwendet unter der GNU LGPL Version 3.
Ortsnamen und Koordinaten: GeoNames, CC BY 4.0.
Geschichte der Zeitzonen: die IANA-tz-Datenbank, gemeinfrei.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Mehr Informationen</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für mehr Informationen</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Öffnet die Seite über den Verkauf dieses Programms unter deiner eigenen Marke</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>Deutung &amp;kopieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach Software-&amp;Update suchen</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Glückspunkt:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Glückspunkt</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Zurück zu den Geburtsdaten</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Deutung als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>„%1“ gibt es bereits. Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>Die Deutung konnte nicht als „%1“ gespeichert werden: %2. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Bitte gib die Stadt ein</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Bitte gib die Region ein</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Bitte gib das Land ein</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>Meine Glückspunkt-Deutung erstellen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Update suchen</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Gib die richtigen Daten ein und erfahre mehr über dich selbst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Nur Buchstaben und Leerzeichen</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901 bis 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Geburtsstunde</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 bis 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Geburtsminute</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Geburtssekunde</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>Wird für die Deutung nicht verwendet</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>Die Normalzeitzone des Geburtsorts</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Ankreuzen, wenn bei der Geburt Sommerzeit galt</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0 bis 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breitenminuten</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 bis 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0 bis 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Längenminuten</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Geburtsort, um seine Breite und Länge nachzuschlagen</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Breite und Länge finden</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Sucht die eingegebene Stadt, Region und das Land</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Jetzt die Website besuchen</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Öffnet die Website von Vespera Softwares in deinem Browser</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einen Freund empfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Keine Leerzeichen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt einen Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Jetzt einen Freund empfehlen</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Öffnet die Empfehlungsseite in deinem Browser</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Vespera Softwares herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Hier klicken, um Vespera Softwares zu besuchen</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Den Softwarekatalog besuchen</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Breite und Länge finden</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Ortsnamen und Koordinaten: GeoNames (www.geonames.org), CC BY 4.0. Zeitzonen: IANA-tz-Datenbank, gemeinfrei</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>Kein Ort passend zu „%1“ im Atlas gefunden.
Du kannst stattdessen im Web nach seiner Breite und Länge suchen.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>Kein Ort passend zu „%1“ im Atlas gefunden. Meintest du:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>Orte passend zu „%1“, die wahrscheinlichsten zuerst. Wähle deinen Geburtsort:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>Kein Land namens „%1“ bekannt; es werden Orte in allen Ländern gezeigt</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>In „%1“ wurde nichts Passendes gefunden; es werden Orte in anderen Ländern gezeigt</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Gefundene Orte</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>Diesen Ort verwenden</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Im Web suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Bitte gib einen Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Bitte gib beim Längengrad einen Wert zwischen 0 und 179 ein</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Bitte gib bei den Längenminuten einen Wert zwischen 0 und 59 ein</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Bitte gib beim Breitengrad einen Wert zwischen 0 und 89 ein</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Bitte gib bei den Breitenminuten einen Wert zwischen 0 und 59 ein</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte gib ein richtiges Datum oder einen richtigen Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte gib ein richtiges Datum oder einen richtigen Monat ein</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Nur Ziffern sind erlaubt</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte gib nur Buchstaben ein</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix berechnet dein Fortuna-Zeichen, das Tierkreiszeichen deines Glückspunkts: des Punktes in deinem Geburtshoroskop, der zeigt, wo du Glück, Freude und Erfolg findest. Lerne dein Zeichen und sein Versprechen kennen.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Das Diskussionsforum von Vespera Softwares ist ein freundlicher Ort, um Ideen zu teilen und Antworten zu bekommen. Schau noch heute vorbei!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internetgeschäft, indem du diese Software unter deiner eigenen Marke und deinem Logo verkaufst, und behalte den ganzen Gewinn.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Dieses Programm mit deiner Marke: Setze die Adresse und das Logo deiner Website in dieses Programm und verschenke es an deine Besucher – jede weitergegebene Kopie bringt dir neue Besucher zurück.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix berechnet dein Fortuna-Zeichen, also das Tierkreiszeichen deines Glückspunkts, eines Punktes im Geburtshoroskop, der aus Sonne, Mond und Aszendent gefunden wird. Er zeigt, wo du im Leben Glück und Freude findest.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Besuche die Website von Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Geschäftsidee für zu Hause: Verkaufe dieses Programm unter deiner eigenen Marke und behalte den ganzen Gewinn. Starte noch heute dein eigenes Geschäft.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Programme von Vespera Softwares wie dieses können nur mit der Unterstützung von Nutzern wie dir entstehen und kostenlos bleiben. Bitte hilf uns, indem du regelmäßig das Diskussionsforum von Vespera Softwares besuchst und mitmachst: frag, antworte und teile deine Ideen.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Bitte unterstütze Vespera Softwares, indem du regelmäßig unser Diskussionsforum besuchst. Lies die neuesten Beiträge, stell Fragen und hilf anderen Mitgliedern mit deinen Antworten: Deine Besuche halten das Forum lebendig und unsere Programme kostenlos.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Das Diskussionsforum von Vespera Softwares steht allen kostenlos offen. Unterstütze uns, indem du es regelmäßig besuchst und dich an den Gesprächen mit anderen Nutzern wie dir beteiligst.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Unser Diskussionsforum braucht deine Hilfe. Unterstütze Vespera Softwares, indem du es regelmäßig besuchst, deine Fragen stellst und deine Erfahrungen teilst, damit es zu einem lebendigen Ort für alle wird.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Wenn dir dieses Programm gefallen hat, wirst du auch unsere anderen Programme mögen. Vespera Softwares bietet eine große Auswahl einfacher, nützlicher Programme für Zuhause und Büro: Astrologie- und Numerologie-Deutungen, Kalender und Planer, Werkzeuge zum Schreiben und Drucken, kleine Helfer, die deinen Computer aufgeräumt halten, Lernspiele für Kinder und Rätsel für die ganze Familie. Die meisten kannst du kostenlos ausprobieren, und jedes ist mit derselben Sorgfalt gemacht wie dieses. Sie sind klein, schnell installiert und leicht zu lernen, sodass du in wenigen Minuten loslegen kannst. Klicke auf den Link unten, um die ganze Sammlung zu sehen und deinen nächsten Favoriten zu finden.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Ja, bring mich jetzt zur Website von Vespera Softwares, um weitere nützliche Programme zu entdecken</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>die unlesbare Datei konnte nicht verschoben werden</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Vielleicht gibt es eine neue Version dieses Programms<byte value="xd"/>Möchtest du nach einem Update suchen?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>%1-Deutung</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>geboren vor Mittag: Aszendent + Mond − Sonne</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>geboren ab Mittag: Aszendent + Sonne − Mond</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · Blatt erstellt am %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>Geburten &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>Letzte Geburten &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>Deutung als PDF &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>Es ist kein Drucker installiert. Möchtest du die Deutung stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>Die Deutung konnte nicht gedruckt werden. Möchtest du sie stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Fortunix-Ergebnis</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>%1 N</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 S</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>%1 O</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>Ortszeit des Geburtsorts,%1</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>Du sprühst vor Energie und scheinst allen um dich herum immer einen Schritt voraus zu sein. Der Glückspunkt im Widder schenkt dir den Mut eines Pioniers: Am glücklichsten bist du, wenn du einen Weg bahnst, den noch niemand gegangen ist, und deine Begeisterung reißt andere mit. Neuanfänge liegen dir, ob ein frisches Projekt, ein neues Zuhause oder eine unerprobte Idee, und das Glück begegnet dir, wenn du mutig handelst. Doch dasselbe Feuer kann dich ungeduldig machen: schnell im Anfangen, langsam im Vollenden. Lerne innezuhalten, bevor du springst, und lass andere mit dir Schritt halten. Wenn du deine Kraft auf jeweils ein klares Ziel richtest, wird dein Antrieb zu einer dauerhaften Stärke statt zu einem flüchtigen Funken.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Du besitzt eine bemerkenswerte Gelassenheit und eine Ruhe, die anderen Sicherheit gibt. Mit dem Glückspunkt im Stier wächst dein Glück langsam, aber sicher, wie ein Garten, der mit Sorgfalt gepflegt wird. Du hast einen langen Atem: Wo andere aufgeben, machst du weiter, und deine Geduld verwandelt bescheidene Anfänge in solide Ergebnisse. Du genießt Schönheit, Behaglichkeit und die einfachen Freuden von gutem Essen, Musik und Natur, und du bist am besten, wenn du dich geborgen fühlst. Deine Beständigkeit kann jedoch in Sturheit umschlagen, und vielleicht hältst du an altem Groll oder alten Gewohnheiten fest, lange nachdem sie dir nicht mehr dienen. Lass die Vergangenheit los, meide Wege, die dir oder anderen schaden, und deine Ruhe wird dich weit tragen.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Wie ein neugieriges Kind, das fragt, warum der Himmel blau ist, begegnest du der Welt mit unendlich vielen Fragen. Der Glückspunkt in den Zwillingen schenkt dir einen wachen Verstand, eine flinke Zunge und die Vielseitigkeit, viele Aufgaben zugleich zu jonglieren. Du lernst schnell, passt dich leicht an und kommst mit fast jedem ins Gespräch, was dir überall Freunde und offene Türen verschafft. Dein Witz und dein Humor erhellen jeden Raum. Das Glück kommt zu dir über Worte, Reisen, Briefe und einen lebhaften Austausch von Ideen. Hüte dich vor dem Stolz auf die eigene Klugheit, denn er kann dich dazu verleiten, das Wissen anderer abzutun. Wenn deine Gedanken in viele Richtungen rasen, vertraue deiner Intuition: Sie findet den Weg oft, bevor dein Verstand es tut.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Du bist mit mütterlichen Eigenschaften gesegnet: mit Mitgefühl, Zärtlichkeit und dem tiefen Wunsch, die Menschen zu beschützen, die du liebst. Mit dem Glückspunkt im Krebs wächst dein Glück aus der Fürsorge für andere und aus einem Zuhause, in dem sich Menschen sicher fühlen. Du spürst die Stimmungen deiner Familie und deiner Freunde und weißt sie ohne viele Worte zu trösten. Deine Treue ist tief und beständig. Echte Freude findest du darin, etwas zur Welt zu bringen, seien es Kinder oder Ideen und Vorhaben, die du hegst, bis sie auf eigenen Füßen stehen. Denk daran, für dich selbst so liebevoll zu sorgen wie für andere, damit deine Güte nie versiegt.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Du verkörperst Optimismus, Lebensfreude und überschäumende Energie, und jeder Raum, den du betrittst, beginnt zu leuchten. Der Glückspunkt im Löwen schenkt dir Wärme und eine natürliche Ausstrahlung, die Menschen anzieht, und dein Selbstvertrauen ermutigt andere, an sich selbst zu glauben. Du bist großzügig mit deiner Zeit, deinem Lob und deinen Mitteln, und es freut dich, andere glänzen zu sehen. Kreatives Schaffen, Spiel und Führung bringen das Beste in dir hervor. Deine Aufrichtigkeit ist eine deiner größten Gaben: Man vertraut dir, weil du Wort hältst. Lass dein Herz vorangehen, aber teile die Bühne gern, dann wird die Bewunderung, die du gewinnst, dauerhaft und wohlverdient sein.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Wer den Glückspunkt in der Jungfrau hat, strebt in allem nach Vollkommenheit, und wenn das auf dich zutrifft, kennst du die stille Freude an einer gut gemachten Arbeit. Du liebst Ordnung und Disziplin und bringst Methode dorthin, wo andere nur Durcheinander sehen. Dein praktischer Sinn ist eine echte Gabe: Du bemerkst das kleine Detail, das einen Plan gelingen lässt, und bist gern für die Menschen um dich herum da. Das Glück kommt zu dir durch sorgfältige Arbeit, durch Dienst an anderen, durch Gesundheit und die Abläufe des Alltags. Deine hohen Ansprüche können sich jedoch nach innen kehren, zu Sorge oder Selbstkritik, und alte Kränkungen trägst du womöglich jahrelang mit dir. Vergib dir und anderen, lass alte Wunden heilen, und dein gesunder Verstand wird dir gute Dienste leisten.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Der Glückspunkt in der Waage steht für eine Begabung zu Diplomatie, Harmonie und Anmut, und du gehst auf der Suche nach Ausgewogenheit durchs Leben. Du siehst beide Seiten einer Frage und kannst Gegner zu einer fairen Einigung führen, deshalb wenden sich andere oft an dich, wenn ein Streit beizulegen ist. Schönheit ist dir wichtig, in der Kunst, in den Umgangsformen und in der Art, wie du Menschen behandelst, und dein Charme öffnet Türen. In Partnerschaften jeder Art, in Liebe, Freundschaft und Beruf, wächst dein Glück. Deine Aufgabe ist es, deine eigenen Bedürfnisse so sorgfältig abzuwägen wie die der anderen. Hilf gern, aber verliere dich nicht darin, es allen recht zu machen. Wenn du deine eigenen Interessen mit der Sorge um andere in Einklang bringst, findest du dauerhaften Frieden.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Mit einer außergewöhnlichen Wahrnehmung und Intuition begabt, blickst du unter die Oberfläche von Menschen und Ereignissen. Der Glückspunkt im Skorpion lässt dich verborgene Beweggründe und unausgesprochene Gefühle spüren, und niemand täuscht dich lange. Die Geheimnisse des Lebens ziehen dich an, und du scheust dich nicht, dem ins Auge zu sehen, was andere meiden. Diese Tiefe verleiht dir in einer Krise große Stärke: Du bleibst ruhig und konzentriert, während andere den Kopf verlieren. Dein größter Schatz ist die Selbsterkenntnis: Je ehrlicher du in dich hineinschaust, desto mehr Kraft gewinnst du. Stell dich deinen Ängsten, ohne zurückzuweichen, geh mit deiner Einsicht behutsam um, und du kannst dich selbst und andere verwandeln.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Wer mit dem Glückspunkt im Schützen geboren ist, sieht das Leben als große Reise, und wenn das auf dich zutrifft, bist du am glücklichsten, wenn du etwas Neues lernst. Du hast einen philosophischen Blick und den natürlichen Drang, in dem, was dir widerfährt, einen Sinn zu finden. Du teilst gern, was du gelernt hast, und bist ein großzügiger Lehrer, Wegweiser oder Erzähler. Das Abenteuer ruft dich, und dein Glück findest du vielleicht fern der Heimat, in fremden Ländern, unter Menschen anderer Kulturen oder im Studium ferner Gedanken. Dein Optimismus und dein Humor helfen dir, dich von Rückschlägen schnell zu erholen. Achte darauf, nicht mehr zu versprechen, als du halten kannst, und bleib mit beiden Beinen auf dem Boden, während dein Geist umherschweift. Folge deiner Neugier, und dein Horizont wird sich weiten.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Du besitzt die erstaunliche Fähigkeit, dich durch jedes Hindernis hindurchzukämpfen, und baust dein Leben Schritt für Schritt auf. Mit dem Glückspunkt im Steinbock liegt deine Gabe im praktischen Erfolg: Du setzt dir Ziele, machst Pläne und arbeitest beharrlich, bis sie erreicht sind. Du verstehst es, Fundamente zu legen, für eine Laufbahn, eine Familie oder ein Unternehmen, und was du aufbaust, hat meist Bestand. Deine Entschlossenheit verschafft dir Respekt, und Verantwortung steht dir gut. Manchmal versinkst du vielleicht in Trägheit und wartest auf den perfekten Moment, der nie kommt. Schüttle sie ab und tu den ersten kleinen Schritt; sobald du in Bewegung bist, tragen dich Geduld und Disziplin bis ganz nach oben.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Du bist äußerst unkonventionell, deiner Zeit im Denken voraus und offen in deinem Urteil. Mit dem Glückspunkt im Wassermann siehst du Möglichkeiten, die andere übersehen, und du wagst es, Regeln zu hinterfragen, die keinen Sinn mehr ergeben. Freiheit, Freundschaft und Fairness sind dir wichtig, und du beurteilst Menschen nach dem, was sie tun, nicht danach, woher sie kommen. Gemeinschaften, gute Anliegen und neue Technik bringen das Beste in dir hervor, und deine Ideen sind ihrer Zeit oft voraus. Manchmal hast du vielleicht das Gefühl, nicht dazuzugehören oder nicht verstanden zu werden. Nimm deine Andersartigkeit als Geschenk an, nicht als Last: Die Welt braucht Menschen, die anders denken, und dein Anderssein ist dein Glück.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>Der Glückspunkt in den Fischen deutet auf eine reiche Fantasie und eine rätselhafte Anmut, die andere kaum in Worte fassen können. Du lebst zum Teil in einer Welt der Träume und empfindest die Freuden und Sorgen anderer, als wären es deine eigenen. Musik, Dichtung, Malerei und Tanz sprechen dich vielleicht tiefer an als Worte. Deine Empfindsamkeit ist eine Gabe, doch sie braucht ein Ventil: Ohne eines treibst du womöglich dahin oder fühlst dich von der Welt überwältigt. Finde einen schöpferischen Weg für deine Träume und gib dem Gestalt, was du fühlst. Mitgefühl und ein stiller Glaube leiten dich gut, und dein tiefstes Glück liegt in spiritueller Erfüllung, im Gefühl, Teil von etwas Größerem zu sein.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Glückspunkt</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Alaska/Hawaii-Sommerzeit,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Alaska/Hawaii-Normalzeit,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Alaska/Hawaii-Kriegszeit,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Atlantische Normalzeit,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Atlantische Kriegszeit,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Zentralaustralische Sommerzeit,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Zentralaustralische Normalzeit,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Ostaustralische Sommerzeit,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Ostaustralische Normalzeit,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Westaustralische Sommerzeit,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Westaustralische Normalzeit,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Azorenzeit, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Bagdad-Zeit, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Bering-Normalzeit,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Brasilien Zone 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>Britische doppelte Sommerzeit,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Britische Sommerzeit,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Britische Kriegszeit,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Central-Sommerzeit,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Mitteleuropäische Sommerzeit,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Mitteleuropäische Zeit,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Central-Normalzeit,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Central-Kriegszeit,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Chinesische Küstenzeit,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Eastern-Sommerzeit,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Osteuropäische Sommerzeit,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Osteuropäische Zeit,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Eastern-Normalzeit,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Eastern-Kriegszeit,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Mittlere Greenwich-Zeit,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Guam-Normalzeit,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Hawaii-Sommerzeit,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Hawaii-Normalzeit,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Hawaii-Kriegszeit,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Indische Zeit, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Internationale Datumsgrenze Ost,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Internationale Datumsgrenze West,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Iranische Zeit, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Japanische Normalzeit,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Java-Zeit, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Mitteleuropäische Sommerzeit,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Mitteleuropäische Zeit,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Molukken-Zeit, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Mountain-Sommerzeit,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Mountain-Normalzeit,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Mountain-Kriegszeit,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Neuseeland-Sommerzeit,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Neuseeland-Normalzeit,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Neuseeland-Sommerzeit,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Neuseeland-Zeit,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Neufundland-Normalzeit,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Nome-Zeit, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Nordsumatra-Zeit,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Pazifik-Sommerzeit,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Pazifik-Normalzeit,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Pazifik-Kriegszeit,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Südaustralische Sommerzeit,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Südaustralische Sommerzeit,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Südaustralische Normalzeit,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Südaustralische Normalzeit,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Südsumatra-Zeit,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Weltzeit, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>UdSSR Zone 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>UdSSR Zone 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>UdSSR Zone 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>UdSSR Zone 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>UdSSR Zone 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>Westafrikanische Zeit,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Yukon-Sommerzeit,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Yukon-Normalzeit,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Yukon-Kriegszeit,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
</context>
</TS>
