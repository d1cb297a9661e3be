<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Forum de discussion</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Offre de revente</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Offre de co-marquage</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>temps moyen local du lieu de naissance</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>heure normale</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>double heure d&apos;été</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>heure d&apos;été</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (avant %1, l&apos;heure normale était en vigueur)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>Fuseau horaire le %1, %2 : %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>Le %1, les horloges ont reculé et %2 a eu lieu deux fois%3 : d&apos;abord %4, puis %5. Choisissez :</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>Le %1, les horloges ont avancé et %2 n&apos;a pas existé à cet endroit%3. Proposé : %4, l&apos;heure d&apos;avant le changement.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Règle le fuseau horaire sur « %1 », %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>avec l&apos;heure d&apos;été cochée</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Heure d&apos;été non cochée</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>Le premier : </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>Le second : </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> heure locale</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>cochée</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>non cochée</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Temps universel</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Latitude, longitude</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>&amp;Naissances récentes</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>La liste des naissances récentes dans « %1 » n&apos;a pu être ni lue ni mise de côté. Elle reste telle quelle, et les naissances ne sont plus mémorisées tant qu&apos;elle n&apos;est pas déplacée.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>%1 des naissances récentes n&apos;ont pas pu être lues. La liste a été mise de côté sous le nom « %2 », et les naissances lisibles sont conservées.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>La liste des naissances récentes n&apos;a pas pu être lue. Elle a été mise de côté sous le nom « %1 », et la liste repart vide.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>La liste des naissances récentes n&apos;a pas pu être enregistrée dans « %1 » : %2. Elle est conservée jusqu&apos;à la fermeture de Fortunix.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez-nous en ligne</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Faire un don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Conçu avec Qt, utilisé sous la licence GNU LGPL version 3.
Noms de lieux et coordonnées : GeoNames, CC BY 4.0.
Historique des fuseaux horaires : la base tz de l&apos;IANA, domaine public.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Ouvre la page sur la vente de ce programme sous votre propre marque</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copier la lecture</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Part de Fortune :</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Part de Fortune</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Retourne aux données de naissance</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Enregistrer la lecture en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>« %1 » existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>La lecture n&apos;a pas pu être enregistrée sous « %1 » : %2. Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Veuillez saisir la ville</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Veuillez saisir la région</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Veuillez saisir le pays</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>Obtenir ma lecture de la Part de Fortune</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Saisissez les bonnes informations et apprenez-en plus sur vous-même</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Cliquez ici pour trouver la latitude &amp;&amp; la longitude</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Lettres et espaces uniquement</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901 à 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 à 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minute de naissance</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Seconde de naissance</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>Non utilisé par la lecture</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>Le fuseau horaire standard du lieu de naissance</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Cochez si l&apos;heure d&apos;été était en vigueur à la naissance</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Degrés de latitude</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0 à 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutes de latitude</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 à 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Degrés de longitude</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0 à 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutes de longitude</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Lieu de naissance, pour rechercher sa latitude et sa longitude</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Trouver la latitude et la longitude</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Recherche la ville, la région et le pays saisis</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Visiter le site web maintenant</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Ouvre le site web de Vespera Softwares dans votre navigateur</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Sans espaces</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander à un ami &amp;maintenant</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Recommander à un ami maintenant</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Ouvre la page de parrainage dans votre navigateur</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Télécharger Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Cliquez ici pour visiter Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Visiter le catalogue de logiciels</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Trouver la latitude et la longitude</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Noms de lieux et coordonnées : GeoNames (www.geonames.org), CC BY 4.0. Fuseaux horaires : base tz de l&apos;IANA, domaine public</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>Aucun lieu correspondant à « %1 » n&apos;a été trouvé dans l&apos;atlas.
Vous pouvez plutôt chercher sa latitude et sa longitude sur le web.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>Aucun lieu correspondant à « %1 » n&apos;a été trouvé dans l&apos;atlas. Vouliez-vous dire :</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>Lieux correspondant à « %1 », les plus probables en premier. Choisissez votre lieu de naissance :</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>Aucun pays nommé « %1 » n&apos;est connu ; affichage des lieux de tous les pays</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>Rien de correspondant n&apos;a été trouvé dans « %1 » ; affichage des lieux d&apos;autres pays</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Lieux trouvés</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>Utiliser ce lieu</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Chercher sur le web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Veuillez saisir un nom</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 179 pour les degrés de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 59 pour les minutes de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 89 pour les degrés de latitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 59 pour les minutes de latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir une date ou un mois correct !</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir une date ou un mois correct</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Seuls les chiffres sont acceptés</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix calcule votre signe de Fortune, le signe du zodiaque de votre Part de Fortune, ce point de votre thème natal qui montre où vous trouvez la chance, la joie et la réussite. Découvrez votre signe et sa promesse.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Le forum de discussion de Vespera Softwares est un lieu convivial pour partager des idées et obtenir des réponses. Venez le visiter dès aujourd&apos;hui !</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Opportunité d&apos;affaires à domicile. Lancez votre propre activité sur Internet en revendant ce logiciel sous votre marque et votre logo, et gardez tous les bénéfices pour vous.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Personnalisez ce logiciel pour votre site. Placez l&apos;adresse et le logo de votre site web dans ce programme et offrez-le à vos visiteurs : chaque copie qu&apos;ils transmettent vous ramène de nouveaux visiteurs.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix calcule votre signe de Fortune, c&apos;est-à-dire le signe du zodiaque qui abrite votre Part de Fortune, un point du thème natal obtenu à partir du Soleil, de la Lune et de l&apos;ascendant. Il indique où vous trouvez la chance et la joie dans la vie.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Visitez le site web de Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Opportunité d&apos;affaires à domicile. Vendez ce programme sous votre propre marque et gardez tous les bénéfices. Lancez votre activité dès aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Des logiciels de Vespera Softwares comme celui-ci ne peuvent être créés et rester gratuits qu&apos;avec le soutien d&apos;utilisateurs comme vous. Aidez-nous en visitant régulièrement le forum de discussion de Vespera Softwares et en y participant : demandez, répondez et partagez vos idées.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Soutenez Vespera Softwares en visitant régulièrement notre forum de discussion. Lisez les derniers messages, posez des questions et aidez les autres membres par vos réponses : vos visites font vivre le forum et gardent nos programmes gratuits.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Le forum de discussion de Vespera Softwares est ouvert gratuitement à tous. Soutenez-nous en le visitant régulièrement et en participant aux échanges avec d&apos;autres utilisateurs comme vous.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Notre forum de discussion a besoin de vous. Soutenez Vespera Softwares en le visitant régulièrement, en posant vos questions et en partageant votre expérience, pour qu&apos;il devienne un lieu vivant pour tous ses utilisateurs.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Si vous avez aimé ce logiciel, nos autres programmes vous plairont sûrement aussi. Vespera Softwares propose une large gamme de programmes simples et utiles pour la maison et le bureau : lectures d&apos;astrologie et de numérologie, calendriers et agendas, outils d&apos;écriture et d&apos;impression, petits utilitaires qui gardent votre ordinateur en ordre, jeux éducatifs pour les enfants et casse-têtes pour toute la famille. La plupart peuvent être essayés gratuitement, et chacun est conçu avec le même soin que celui-ci. Ils sont légers, rapides à installer et faciles à prendre en main : vous pouvez commencer en quelques minutes. Cliquez sur le lien ci-dessous pour découvrir toute la collection et trouver votre prochain favori.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Oui, emmenez-moi maintenant sur le site web de Vespera Softwares pour découvrir d&apos;autres programmes utiles</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>le fichier illisible n&apos;a pas pu être déplacé</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>le dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour ?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Lecture %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formule</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>né avant midi : ascendant + Lune − Soleil</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>né à partir de midi : ascendant + Soleil − Lune</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · feuille établie le %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>&amp;Mémoriser les naissances</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>&amp;Effacer les naissances récentes</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>&amp;Enregistrer la lecture en PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est installée. Voulez-vous plutôt l&apos;enregistrer en PDF ?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>La lecture n&apos;a pas pu être imprimée. Voulez-vous plutôt l&apos;enregistrer en PDF ?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Résultat Fortunix</translation>
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
        <translation>%1 E</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 O</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>Heure du lieu de naissance,%1</translation>
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
        <translation>Débordant d&apos;énergie, vous semblez toujours avoir un pas d&apos;avance sur tout votre entourage. La Part de Fortune en Bélier vous donne le courage d&apos;un pionnier : vous n&apos;êtes jamais aussi heureux que lorsque vous ouvrez une route que personne n&apos;a encore empruntée, et votre enthousiasme entraîne les autres dans votre sillage. Les commencements vous réussissent, qu&apos;il s&apos;agisse d&apos;un nouveau projet, d&apos;un nouveau foyer ou d&apos;une idée encore jamais tentée, et la chance vient à vous quand vous agissez avec audace. Mais ce même feu peut vous rendre impatient, prompt à commencer et lent à terminer. Apprenez à marquer une pause avant de vous élancer, et laissez les autres suivre votre rythme. Si vous consacrez votre énergie à un seul objectif clair à la fois, votre élan deviendra une force durable et non une étincelle passagère.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Vous êtes doté d&apos;un bel aplomb et d&apos;un calme que les autres trouvent rassurant. Avec la Part de Fortune en Taureau, votre bonne fortune grandit lentement mais sûrement, comme un jardin cultivé avec soin. Votre endurance est grande : là où d&apos;autres abandonnent, vous persévérez, et votre patience transforme de modestes débuts en résultats solides. Vous aimez la beauté, le confort et les plaisirs simples de la bonne chère, de la musique et de la nature, et vous donnez le meilleur de vous-même lorsque vous vous sentez en sécurité. Votre constance peut toutefois tourner à l&apos;entêtement, et il vous arrive de vous accrocher à de vieilles rancunes ou à des habitudes bien après qu&apos;elles ont cessé de vous servir. Tournez la page du passé, évitez ce qui vous nuit ou nuit aux autres, et votre sérénité vous mènera loin.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Tel un enfant curieux qui demande pourquoi le ciel est bleu, vous abordez le monde avec des questions sans fin. La Part de Fortune en Gémeaux vous donne un esprit vif, la parole facile et la souplesse nécessaire pour mener de front de nombreuses tâches. Vous apprenez vite, vous vous adaptez sans peine et pouvez converser avec presque tout le monde, ce qui vous vaut des amis et des occasions partout où vous allez. Votre esprit et votre humour égaient n&apos;importe quelle pièce. La chance vous vient par les mots, les voyages, le courrier et les échanges d&apos;idées animés. Méfiez-vous de l&apos;orgueil que vous inspire votre propre intelligence : il peut vous faire dédaigner ce que savent les autres. Quand vos pensées partent dans tous les sens, fiez-vous à votre intuition : elle trouve souvent le chemin avant votre raison.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Vous êtes doté de qualités maternelles comme la compassion, la tendresse et un profond désir de protéger ceux que vous aimez. Avec la Part de Fortune en Cancer, votre bonheur naît du soin que vous prenez des autres et d&apos;un foyer où chacun se sent en sécurité. Vous percevez l&apos;humeur de votre famille et de vos amis et savez les réconforter sans beaucoup de mots. Votre fidélité est profonde et constante. Vous trouvez une joie véritable à donner naissance, que ce soit à des enfants ou à des idées et des projets que vous nourrissez jusqu&apos;à ce qu&apos;ils puissent voler de leurs propres ailes. N&apos;oubliez pas de prendre soin de vous avec la même chaleur que vous accordez aux autres, afin que votre bonté ne se tarisse jamais.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Incarnation de l&apos;optimisme, de la vivacité et d&apos;une énergie débordante, vous illuminez les lieux où vous entrez. La Part de Fortune en Lion vous donne de la chaleur et une présence naturelle qui attire les gens, et votre assurance aide les autres à croire en eux. Vous êtes généreux de votre temps, de vos éloges et de vos ressources, et vous prenez plaisir à voir les autres briller. Le travail créatif, le jeu et le commandement font ressortir le meilleur de vous-même. Votre intégrité est l&apos;un de vos plus beaux dons : on vous fait confiance parce que vous tenez parole. Laissez parler votre cœur, mais partagez volontiers la scène, et l&apos;admiration que vous gagnerez sera durable et bien méritée.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Celui dont la Part de Fortune est en Vierge recherche la perfection en toute chose, et si c&apos;est votre cas, vous connaissez le plaisir discret d&apos;une tâche bien faite. Vous aimez l&apos;ordre et la discipline, et vous apportez de la méthode là où les autres ne voient que confusion. Votre sens pratique est un véritable don : vous remarquez le petit détail qui fait réussir un projet, et vous êtes heureux de vous rendre utile à votre entourage. La chance vous sourit à travers le travail soigné, le service, la santé et les habitudes du quotidien. Vos exigences élevées peuvent toutefois se retourner contre vous, en inquiétude ou en autocritique, et vous risquez de garder de vieilles blessures pendant des années. Pardonnez-vous et pardonnez aux autres, laissez les anciennes blessures guérir, et votre bon sens vous servira bien.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Avoir la Part de Fortune en Balance signifie un don pour la diplomatie, l&apos;harmonie et la grâce, et vous avancez dans la vie en quête d&apos;équilibre. Vous voyez les deux côtés d&apos;une question et savez amener des adversaires à un accord équitable ; aussi les autres se tournent-ils souvent vers vous pour régler leurs différends. La beauté compte pour vous, dans l&apos;art, dans les manières et dans la façon dont vous traitez les gens, et votre charme ouvre bien des portes. C&apos;est dans les associations de toute sorte, en amour, en amitié comme en affaires, que votre bonne fortune grandit. Votre défi est de peser vos propres besoins avec autant de soin que ceux des autres. Aidez volontiers, mais ne vous perdez pas à vouloir plaire. Lorsque vous conciliez vos intérêts avec l&apos;attention portée aux autres, vous trouvez une paix durable.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Doté d&apos;un pouvoir de perception et d&apos;une intuition exceptionnels, vous voyez au-delà de la surface des êtres et des événements. La Part de Fortune en Scorpion vous fait deviner les motifs cachés et les sentiments inavoués, et l&apos;on vous trompe rarement longtemps. Les mystères de la vie vous attirent, et vous ne craignez pas d&apos;affronter ce que d&apos;autres évitent. Cette profondeur vous donne une grande force dans l&apos;épreuve : vous restez calme et concentré quand les autres perdent la tête. Votre plus grand trésor est la connaissance de vous-même : plus vous regardez en vous avec honnêteté, plus vous gagnez en puissance. Affrontez vos peurs sans faiblir, usez de votre clairvoyance avec prudence, et vous pourrez vous transformer, et transformer les autres.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Celui qui naît avec la Part de Fortune en Sagittaire voit la vie comme un grand voyage, et si c&apos;est votre cas, vous n&apos;êtes jamais aussi heureux que lorsque vous apprenez quelque chose de nouveau. Vous avez un regard philosophique et un besoin naturel de trouver un sens à ce qui vous arrive. Vous aimez partager ce que vous apprenez, et vous faites un enseignant, un guide ou un conteur généreux. L&apos;aventure vous appelle, et vous trouverez peut-être la chance loin de chez vous, en terre étrangère, parmi des gens d&apos;autres cultures ou dans l&apos;étude d&apos;idées lointaines. Votre optimisme et votre sens de l&apos;humour vous aident à vous relever vite des revers. Veillez à ne pas promettre plus que vous ne pouvez tenir, et gardez les pieds sur terre pendant que votre esprit vagabonde. Suivez votre curiosité, et vos horizons s&apos;élargiront.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Doté d&apos;une capacité phénoménale à vous frayer un chemin à travers les obstacles, vous bâtissez votre vie pas à pas. Avec la Part de Fortune en Capricorne, votre don est la réussite concrète : vous vous fixez des objectifs, faites des plans et travaillez avec constance jusqu&apos;à les atteindre. Vous savez poser des fondations solides, pour une carrière, une famille ou une entreprise, et ce que vous construisez est fait pour durer. Votre détermination force le respect, et les responsabilités vous vont bien. Il vous arrive parfois de sombrer dans l&apos;inertie, en attendant un moment parfait qui ne vient jamais. Secouez-vous et faites le premier petit pas : une fois en mouvement, votre patience et votre discipline vous porteront jusqu&apos;au sommet.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Vous êtes profondément anticonformiste, en avance dans votre pensée et ouvert dans votre jugement. Avec la Part de Fortune en Verseau, vous voyez des possibilités qui échappent aux autres, et vous osez remettre en question les règles qui n&apos;ont plus de sens. Vous tenez à la liberté, à l&apos;amitié et à l&apos;équité, et vous jugez les gens sur ce qu&apos;ils font, non sur leurs origines. Les groupes, les causes et les nouvelles technologies font ressortir le meilleur de vous, et vos idées ont souvent une longueur d&apos;avance sur leur temps. Il vous arrive de sentir que vous n&apos;êtes pas à votre place, ou que les autres ne vous comprennent pas. Acceptez votre singularité comme un don et non comme un fardeau : le monde a besoin de gens qui pensent autrement, et votre différence est votre chance.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>La Part de Fortune en Poissons révèle une imagination riche et une élégance énigmatique que les autres peinent à décrire. Vous vivez en partie dans un monde de rêves, et vous ressentez les joies et les peines des autres comme si elles étaient les vôtres. La musique, la poésie, la peinture et la danse vous parlent peut-être plus profondément que les mots. Votre sensibilité est un don, mais elle a besoin d&apos;un exutoire : sans lui, vous risquez de vous laisser dériver ou d&apos;être submergé par le monde. Trouvez une voie créative pour vos rêves et donnez forme à ce que vous ressentez. La compassion et une foi paisible vous guident bien, et votre bonheur le plus profond réside dans l&apos;épanouissement spirituel, dans le sentiment de faire partie de quelque chose de plus grand.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Part de Fortune</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Heure d&apos;été de l&apos;Alaska/Hawaï,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Heure normale de l&apos;Alaska/Hawaï,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Heure de guerre Alaska/Hawaï,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Heure normale de l&apos;Atlantique,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Heure de guerre de l&apos;Atlantique,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Heure d&apos;été du Centre australien,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Heure normale du Centre australien,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Heure d&apos;été de l&apos;Est australien,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Heure normale de l&apos;Est australien,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Heure d&apos;été de l&apos;Ouest australien,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Heure normale de l&apos;Ouest australien,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Heure des Açores, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Heure de Bagdad, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Heure normale de Béring,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Brésil, zone 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>Double heure d&apos;été britannique,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Heure d&apos;été britannique,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Heure de guerre britannique,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Heure d&apos;été du Centre,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Heure d&apos;été d&apos;Europe centrale,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Heure d&apos;Europe centrale,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Heure normale du Centre,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Heure de guerre du Centre,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Heure de la côte chinoise,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Heure d&apos;été de l&apos;Est,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Heure d&apos;été d&apos;Europe de l&apos;Est,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Heure d&apos;Europe de l&apos;Est,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Heure normale de l&apos;Est,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Heure de guerre de l&apos;Est,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Heure moyenne de Greenwich,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Heure normale de Guam,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Heure d&apos;été d&apos;Hawaï,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Heure normale d&apos;Hawaï,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Heure de guerre d&apos;Hawaï,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Heure de l&apos;Inde, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Ligne de date, est,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Ligne de date, ouest,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Heure de l&apos;Iran, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Heure normale du Japon,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Heure de Java, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Heure d&apos;été d&apos;Europe moyenne,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Heure d&apos;Europe moyenne,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Heure des Moluques, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Heure d&apos;été des Rocheuses,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Heure normale des Rocheuses,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Heure de guerre des Rocheuses,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Heure d&apos;été de Nouvelle-Zélande,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Heure normale de Nouvelle-Zélande,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Heure d&apos;été de Nouvelle-Zélande,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Heure de Nouvelle-Zélande,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Heure normale de Terre-Neuve,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Heure de Nome, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Heure du nord de Sumatra,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Heure d&apos;été du Pacifique,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Heure normale du Pacifique,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Heure de guerre du Pacifique,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Heure d&apos;été d&apos;Australie-Méridionale,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Heure d&apos;été d&apos;Australie-Méridionale,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Heure normale d&apos;Australie-Méridionale,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Heure normale d&apos;Australie-Méridionale,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Heure du sud de Sumatra,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Temps universel, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>URSS, zone 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>URSS, zone 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>URSS, zone 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>URSS, zone 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>URSS, zone 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>Heure d&apos;Afrique de l&apos;Ouest,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Heure d&apos;été du Yukon,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Heure normale du Yukon,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Heure de guerre du Yukon,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Langue du système</translation>
    </message>
</context>
</TS>
