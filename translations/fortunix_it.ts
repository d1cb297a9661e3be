<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;applicazione è già in esecuzione</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Forum di discussione</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Offerta di rivendita</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Offerta di co-branding</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>tempo medio locale del luogo di nascita</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>ora solare</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>doppia ora legale</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>ora legale</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (prima del %1 era in vigore l&apos;ora solare)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>Fuso orario il %1, %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>Il %1 gli orologi sono stati spostati indietro e le %2 si sono ripetute due volte%3: prima %4, poi %5. Scegli quale:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>Il %1 gli orologi sono stati spostati avanti e le %2 lì non sono esistite%3. Proposta: %4, l&apos;ora prima del cambio.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Imposta il fuso orario su «%1», %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>con l&apos;ora legale selezionata</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Ora legale non selezionata</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>La prima: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>La seconda: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>non è stato possibile avviare il PDF</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nascita</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> ora locale</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>selezionata</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>non selezionata</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Tempo universale</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Luogo di nascita</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Latitudine, longitudine</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>&amp;Nascite recenti</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>L&apos;elenco delle nascite recenti in «%1» non è stato né letto né messo da parte. Resta com&apos;è, e le nascite non vengono ricordate finché non viene spostato.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>Non è stato possibile leggere %1 delle nascite recenti. L&apos;elenco è stato messo da parte come «%2» e le nascite leggibili sono state conservate.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>Non è stato possibile leggere l&apos;elenco delle nascite recenti. È stato messo da parte come «%1» e l&apos;elenco riparte vuoto.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>Non è stato possibile salvare l&apos;elenco delle nascite recenti in «%1»: %2. Viene conservato finché Fortunix resta aperto.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitaci online</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagna &amp;online</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Realizzato con Qt, usato secondo la licenza GNU LGPL versione 3.
Nomi di luoghi e coordinate: GeoNames, CC BY 4.0.
Storia dei fusi orari: il database tz di IANA, pubblico dominio.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Maggiori dettagli</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Fai clic qui per maggiori dettagli</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Apre la pagina sulla vendita di questo programma con il tuo marchio</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copia la lettura</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Parte di Fortuna:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Parte di Fortuna</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Torna ai dati di nascita</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Salva la lettura in PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>«%1» esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>Non è stato possibile salvare la lettura come «%1»: %2. Nessun file è stato scritto.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Inserisci la città</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Inserisci la regione</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Inserisci il paese</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Gr</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>Ottieni la mia lettura della Parte di Fortuna</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verifica &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Inserisci i dati corretti e scopri di più su te stesso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
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
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Fai clic qui per trovare latitudine &amp;&amp; longitudine</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Solo lettere e spazi</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mese di nascita</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Giorno di nascita</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>dal 1901 al 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>da 0 a 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minuto di nascita</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Secondo di nascita</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>Non usato dalla lettura</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>Il fuso orario standard del luogo di nascita</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Seleziona se alla nascita era in vigore l&apos;ora legale</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Gradi di latitudine</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>da 0 a 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minuti di latitudine</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>da 0 a 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Gradi di longitudine</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>da 0 a 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minuti di longitudine</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Luogo di nascita, per cercarne latitudine e longitudine</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Trova latitudine e longitudine</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Cerca la città, la regione e il paese inseriti</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Visita subito il sito web</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Apre il sito web di Vespera Softwares nel tuo browser</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Segnala a un amico</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>La tua e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>E-mail dell&apos;amico</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Niente spazi</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Segnala a un amico &amp;ora</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Segnala a un amico ora</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Apre la pagina di segnalazione nel tuo browser</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Scarica Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Fai clic qui per visitare Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Visita il catalogo dei programmi</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Trova latitudine e longitudine</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Nomi di luoghi e coordinate: GeoNames (www.geonames.org), CC BY 4.0. Fusi orari: database tz di IANA, pubblico dominio</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>Nessun luogo corrispondente a «%1» è stato trovato nell&apos;atlante.
Puoi cercare la sua latitudine e longitudine sul web.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>Nessun luogo corrispondente a «%1» è stato trovato nell&apos;atlante. Forse intendevi:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>Luoghi corrispondenti a «%1», i più probabili per primi. Scegli il tuo luogo di nascita:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>Nessun paese chiamato «%1» è noto; vengono mostrati luoghi di tutti i paesi</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>Non è stato trovato nulla in «%1»; vengono mostrati luoghi di altri paesi</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Luoghi trovati</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>Usa questo luogo</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Cerca sul web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Inserisci un nome</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Inserisci un valore tra 0 e 179 nei gradi di longitudine</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Inserisci un valore tra 0 e 59 nei minuti di longitudine</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Inserisci un valore tra 0 e 89 nei gradi di latitudine</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Inserisci un valore tra 0 e 59 nei minuti di latitudine</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci una data o un mese corretti!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci una data o un mese corretti</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Sono accettati solo numeri</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Inserisci solo lettere</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix calcola il tuo segno della Fortuna, il segno zodiacale della tua Parte di Fortuna, il punto del tuo tema natale che mostra dove trovi fortuna, gioia e successo. Scopri il tuo segno e la sua promessa.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Il forum di discussione di Vespera Softwares è un luogo cordiale per condividere idee e ottenere risposte. Vieni a visitarlo oggi stesso!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet rivendendo questo programma con il tuo marchio e il tuo logo, e tieni tutti i guadagni per te.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Personalizza questo programma per il tuo sito. Inserisci l&apos;indirizzo e il logo del tuo sito web in questo programma e regalalo ai tuoi visitatori: ogni copia che condividono ti riporta nuovi visitatori.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix calcola il tuo segno della Fortuna, cioè il segno zodiacale in cui si trova la tua Parte di Fortuna, un punto del tema natale ricavato dal Sole, dalla Luna e dall&apos;ascendente. Indica dove trovi fortuna e gioia nella vita.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Visita il sito web di Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Opportunità di lavoro da casa. Vendi questo programma con il tuo marchio e tieni tutti i guadagni. Avvia oggi la tua attività.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Programmi di Vespera Softwares come questo possono nascere e restare gratuiti solo con il sostegno di utenti come te. Aiutaci visitando regolarmente il forum di discussione di Vespera Softwares e partecipando: chiedi, rispondi e condividi le tue idee.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Sostieni Vespera Softwares visitando regolarmente il nostro forum di discussione. Leggi i messaggi più recenti, fai domande e aiuta gli altri membri con le tue risposte: le tue visite tengono vivo il forum e gratuiti i nostri programmi.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Il forum di discussione di Vespera Softwares è aperto a tutti gratuitamente. Sostienici visitandolo regolarmente e partecipando alle conversazioni con altri utenti come te.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Il nostro forum di discussione ha bisogno di te. Sostieni Vespera Softwares visitandolo regolarmente, facendo le tue domande e condividendo la tua esperienza, perché diventi un luogo vivace per tutti i suoi utenti.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Se questo programma ti è piaciuto, di sicuro ti piaceranno anche gli altri. Vespera Softwares offre un&apos;ampia gamma di programmi semplici e utili per la casa e l&apos;ufficio: letture di astrologia e numerologia, calendari e agende, strumenti per scrivere e stampare, piccole utilità che tengono in ordine il tuo computer, giochi educativi per bambini e rompicapi per tutta la famiglia. Quasi tutti si possono provare gratuitamente, e ognuno è realizzato con la stessa cura di questo. Sono leggeri, veloci da installare e facili da imparare, così puoi iniziare in pochi minuti. Fai clic sul collegamento qui sotto per vedere l&apos;intera raccolta e trovare il tuo prossimo preferito.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Sì, portami subito sul sito web di Vespera Softwares per scoprire altri programmi utili</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>non è stato possibile spostare il file illeggibile</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>non è stato possibile creare la cartella</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo programma<byte value="xd"/>Vuoi cercare un aggiornamento?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>La tua e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail dell&apos;amico</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi e-mail diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo e-mail valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci la tua e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l&apos;e-mail del tuo amico</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Un indirizzo e-mail non può contenere spazi</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Lettura %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>nascita prima di mezzogiorno: ascendente + Luna − Sole</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>nascita da mezzogiorno in poi: ascendente + Sole − Luna</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · scheda creata il %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>&amp;Ricorda le nascite</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>&amp;Cancella le nascite recenti</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>&amp;Salva la lettura in PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Anteprima di stampa…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>Non è installata alcuna stampante. Vuoi salvarla invece come file PDF?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>Non è stato possibile stampare la lettura. Vuoi salvarla invece come file PDF?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Risultato Fortunix</translation>
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
        <translation>Ora del luogo di nascita,%1</translation>
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
        <translation>Traboccante di energia, sembri sempre un passo avanti a tutti quelli che ti circondano. La Parte di Fortuna in Ariete ti dona il coraggio di un pioniere: sei felice soprattutto quando apri una strada che nessuno ha mai percorso, e il tuo entusiasmo trascina gli altri con te. I nuovi inizi ti si addicono, che si tratti di un progetto appena nato, di una nuova casa o di un&apos;idea mai sperimentata, e la fortuna ti viene incontro quando agisci con audacia. Eppure lo stesso fuoco può renderti impaziente, pronto a cominciare e lento a finire. Impara a fermarti un attimo prima di lanciarti, e lascia che gli altri tengano il tuo passo. Se incanali la tua energia verso un solo obiettivo chiaro alla volta, il tuo slancio diventerà una forza duratura e non una scintilla passeggera.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Hai un notevole equilibrio e una calma che gli altri trovano rassicurante. Con la Parte di Fortuna in Toro, la tua fortuna cresce lentamente ma con sicurezza, come un giardino curato con amore. Hai una grande resistenza: dove gli altri si arrendono, tu vai avanti, e la tua pazienza trasforma inizi modesti in risultati solidi. Ami la bellezza, le comodità e i piaceri semplici della buona tavola, della musica e della natura, e dai il meglio di te quando ti senti al sicuro. La tua costanza, però, può trasformarsi in testardaggine, e forse resti aggrappato a vecchi rancori o abitudini molto tempo dopo che hanno smesso di esserti utili. Lascia andare il passato, evita le strade che fanno male a te o agli altri, e la tua calma ti porterà lontano.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Come un bambino curioso che chiede perché il cielo è azzurro, affronti il mondo con domande infinite. La Parte di Fortuna in Gemelli ti dona una mente pronta, la parola facile e la versatilità per destreggiarti tra molti compiti insieme. Impari in fretta, ti adatti con facilità e sai parlare con quasi chiunque, e questo ti procura amici e occasioni ovunque tu vada. Il tuo spirito e il tuo umorismo rallegrano qualsiasi ambiente. La fortuna ti arriva attraverso le parole, i viaggi, le lettere e un vivace scambio di idee. Guardati dall&apos;orgoglio per la tua intelligenza, perché può portarti a sottovalutare ciò che sanno gli altri. Quando i tuoi pensieri corrono in molte direzioni, fidati dell&apos;intuito: spesso trova la strada prima della ragione.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Sei dotato di qualità materne come la compassione, la tenerezza e un profondo desiderio di proteggere le persone che ami. Con la Parte di Fortuna in Cancro, la tua felicità nasce dal prenderti cura degli altri e dal creare una casa in cui tutti si sentano al sicuro. Percepisci l&apos;umore della tua famiglia e dei tuoi amici e sai consolarli senza bisogno di molte parole. La tua lealtà è profonda e costante. Provi una gioia autentica nel mettere al mondo, che si tratti di figli o di idee e progetti che nutri finché non sanno camminare da soli. Ricordati di prenderti cura di te con lo stesso affetto che riservi agli altri, perché la tua bontà non si esaurisca mai.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Sei l&apos;immagine stessa dell&apos;ottimismo, della vivacità e di un&apos;energia travolgente, e illumini i luoghi in cui entri. La Parte di Fortuna in Leone ti dona calore e una presenza naturale che attira le persone, e la tua sicurezza aiuta gli altri a credere in se stessi. Sei generoso con il tuo tempo, con le tue lodi e con le tue risorse, e ti piace veder brillare gli altri. Il lavoro creativo, il gioco e il comando tirano fuori il meglio di te. La tua integrità è uno dei tuoi doni più grandi: la gente si fida di te perché mantieni la parola data. Lascia che sia il cuore a guidarti, ma condividi volentieri la scena, e l&apos;ammirazione che conquisterai sarà duratura e meritata.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Chi ha la Parte di Fortuna in Vergine cerca la perfezione in ogni cosa, e se questo è il tuo caso conosci il piacere silenzioso di un lavoro fatto bene. Ami l&apos;ordine e la disciplina, e porti metodo dove gli altri vedono solo confusione. Il tuo senso pratico è un vero dono: noti il piccolo dettaglio che fa funzionare un piano, e sei felice di renderti utile a chi ti sta intorno. La buona sorte ti arriva attraverso il lavoro accurato, il servizio agli altri, la salute e le abitudini quotidiane. I tuoi standard elevati, però, possono rivolgersi contro di te, in forma di ansia o di autocritica, e potresti portarti dietro vecchie ferite per anni. Perdona te stesso e gli altri, lascia che le vecchie ferite guariscano, e il tuo buon senso ti servirà bene.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Avere la Parte di Fortuna in Bilancia significa possedere un talento per la diplomazia, l&apos;armonia e la grazia, e attraversi la vita in cerca di equilibrio. Vedi entrambi i lati di una questione e sai condurre chi è in contrasto a un accordo equo, perciò gli altri si rivolgono spesso a te per risolvere le loro liti. La bellezza conta per te, nell&apos;arte, nei modi e nel modo in cui tratti le persone, e il tuo fascino apre molte porte. È nei rapporti di ogni genere, in amore, in amicizia e negli affari, che la tua fortuna cresce. La tua sfida è soppesare i tuoi bisogni con la stessa cura che dedichi a quelli degli altri. Aiuta volentieri, ma non perderti nel tentativo di accontentare tutti. Quando concili i tuoi interessi con l&apos;attenzione per gli altri, trovi una pace duratura.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Dotato di un eccezionale potere di percezione e di intuizione, vedi sotto la superficie delle persone e degli eventi. La Parte di Fortuna in Scorpione ti fa cogliere motivi nascosti e sentimenti taciuti, e raramente qualcuno riesce a ingannarti a lungo. I misteri della vita ti attraggono, e non hai paura di affrontare ciò che gli altri evitano. Questa profondità ti dà una grande forza nei momenti di crisi, quando resti calmo e concentrato mentre gli altri perdono la testa. Il tuo tesoro più grande è la conoscenza di te stesso: più guardi dentro di te con sincerità, più potere acquisti. Affronta le tue paure senza indietreggiare, usa la tua intuizione con cura, e potrai trasformare te stesso e gli altri.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Chi nasce con la Parte di Fortuna in Sagittario vede la vita come un grande viaggio, e se questo è il tuo caso sei felice soprattutto quando impari qualcosa di nuovo. Hai uno sguardo filosofico e un bisogno naturale di trovare un senso in ciò che ti accade. Ami condividere ciò che impari, e sei un insegnante, una guida o un narratore generoso. L&apos;avventura ti chiama, e potresti trovare la tua fortuna lontano da casa, in terre straniere, tra persone di altre culture o nello studio di idee lontane. Il tuo ottimismo e il tuo senso dell&apos;umorismo ti aiutano a riprenderti presto dalle battute d&apos;arresto. Fai attenzione a non promettere più di quanto puoi mantenere, e tieni i piedi per terra mentre la mente vaga. Segui la tua curiosità, e i tuoi orizzonti si allargheranno.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Possiedi una capacità straordinaria di farti strada tra gli ostacoli, e costruisci la tua vita passo dopo passo. Con la Parte di Fortuna in Capricorno, il tuo dono è la realizzazione concreta: ti dai degli obiettivi, fai dei piani e lavori con costanza finché non li raggiungi. Sai gettare le fondamenta, per una carriera, una famiglia o un&apos;impresa, e ciò che costruisci tende a durare. La tua determinazione ti guadagna rispetto, e le responsabilità ti stanno bene addosso. A volte rischi di scivolare nell&apos;inerzia, in attesa di un momento perfetto che non arriva mai. Scuotiti e fai il primo piccolo passo: una volta in movimento, pazienza e disciplina ti porteranno fino in cima.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Sei estremamente anticonformista, avanti nel pensiero e aperto nei giudizi. Con la Parte di Fortuna in Acquario vedi possibilità che agli altri sfuggono, e osi mettere in discussione le regole che non hanno più senso. Tieni alla libertà, all&apos;amicizia e all&apos;equità, e giudichi le persone per quello che fanno, non per la loro provenienza. I gruppi, le cause e le nuove tecnologie tirano fuori il meglio di te, e le tue idee sono spesso in anticipo sui tempi. A volte potresti sentirti fuori posto, o avere l&apos;impressione che gli altri non ti capiscano. Accetta la tua diversità come un dono, non come un peso: il mondo ha bisogno di persone che pensano in modo diverso, e la tua differenza è la tua fortuna.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>La Parte di Fortuna in Pesci indica un&apos;immaginazione ricca e un&apos;eleganza enigmatica che gli altri faticano a descrivere. Vivi in parte in un mondo di sogni, e senti le gioie e i dolori degli altri come se fossero tuoi. La musica, la poesia, la pittura e la danza possono parlarti più a fondo delle parole. La tua sensibilità è un dono, ma ha bisogno di uno sbocco: senza, rischi di andare alla deriva o di sentirti sopraffatto dal mondo. Trova una strada creativa per i tuoi sogni e dai forma a ciò che senti. La compassione e una fede serena ti guidano bene, e la tua fortuna più profonda sta nella realizzazione spirituale, nella sensazione di far parte di qualcosa di più grande.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Parte di Fortuna</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Ora legale dell&apos;Alaska/Hawaii,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Ora solare dell&apos;Alaska/Hawaii,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Ora di guerra dell&apos;Alaska/Hawaii,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Ora solare dell&apos;Atlantico,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Ora di guerra dell&apos;Atlantico,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Ora legale dell&apos;Australia centrale,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Ora solare dell&apos;Australia centrale,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Ora legale dell&apos;Australia orientale,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Ora solare dell&apos;Australia orientale,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Ora legale dell&apos;Australia occidentale,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Ora solare dell&apos;Australia occidentale,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Ora delle Azzorre, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Ora di Baghdad, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Ora solare di Bering,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Brasile, zona 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>Doppia ora legale britannica,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Ora legale britannica,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Ora di guerra britannica,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Ora legale centrale,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Ora legale dell&apos;Europa centrale,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Ora dell&apos;Europa centrale,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Ora solare centrale,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Ora di guerra centrale,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Ora della costa cinese,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Ora legale orientale,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Ora legale dell&apos;Europa orientale,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Ora dell&apos;Europa orientale,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Ora solare orientale,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Ora di guerra orientale,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Ora media di Greenwich,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Ora solare di Guam,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Ora legale delle Hawaii,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Ora solare delle Hawaii,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Ora di guerra delle Hawaii,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Ora dell&apos;India, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Linea del cambio di data, est,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Linea del cambio di data, ovest,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Ora dell&apos;Iran, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Ora solare del Giappone,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Ora di Giava, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Ora legale dell&apos;Europa media,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Ora dell&apos;Europa media,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Ora delle Molucche, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Ora legale delle Montagne,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Ora solare delle Montagne,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Ora di guerra delle Montagne,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Ora legale della Nuova Zelanda,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Ora solare della Nuova Zelanda,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Ora legale della Nuova Zelanda,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Ora della Nuova Zelanda,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Ora solare di Terranova,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Ora di Nome, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Ora di Sumatra settentrionale,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Ora legale del Pacifico,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Ora solare del Pacifico,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Ora di guerra del Pacifico,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Ora legale dell&apos;Australia Meridionale,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Ora legale dell&apos;Australia Meridionale,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Ora solare dell&apos;Australia Meridionale,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Ora solare dell&apos;Australia Meridionale,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Ora di Sumatra meridionale,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Tempo universale, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>URSS, zona 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>URSS, zona 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>URSS, zona 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>URSS, zona 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>URSS, zona 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>Ora dell&apos;Africa occidentale,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Ora legale dello Yukon,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Ora solare dello Yukon,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Ora di guerra dello Yukon,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Lingua di sistema</translation>
    </message>
</context>
</TS>
