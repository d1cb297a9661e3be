<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Foro de discusión</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Oferta de reventa</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Oferta de marca compartida</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>hora media local del lugar de nacimiento</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>hora estándar</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>doble horario de verano</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>horario de verano</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (antes de %1 regía la hora estándar)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>Zona horaria el %1, %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>El %1 se atrasaron los relojes y las %2 ocurrieron dos veces%3: primero %4, luego %5. Elige cuál:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>El %1 se adelantaron los relojes y las %2 no existieron allí%3. Propuesta: %4, la hora anterior al cambio.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Pone la zona horaria en «%1», %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>con el horario de verano marcado</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Horario de verano sin marcar</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>La primera: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>La segunda: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se pudo iniciar el PDF</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
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
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> hora local</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>sin marcar</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Tiempo universal</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Lugar de nacimiento</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Latitud, longitud</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>&amp;Nacimientos recientes</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>La lista de nacimientos recientes de «%1» no se pudo leer ni apartar. Se deja como está y no se recordarán nacimientos hasta que se quite de ahí.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>No se pudieron leer %1 de los nacimientos recientes. La lista se ha apartado como «%2» y se conservan los nacimientos que sí se pudieron leer.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>No se pudo leer la lista de nacimientos recientes. Se ha apartado como «%1» y la lista empieza vacía.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>No se pudo guardar la lista de nacimientos recientes en «%1»: %2. Se conserva hasta que se cierre Fortunix.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Hecho con Qt, bajo la licencia GNU LGPL versión 3.
Lugares y coordenadas: GeoNames, CC BY 4.0.
Zonas horarias: base tz de IANA, dominio público.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Más detalles</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haz clic aquí para más detalles</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Abre la página sobre vender este programa con tu propia marca</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar la lectura</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Parte de la Fortuna:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Parte de la Fortuna</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Vuelve a los datos de nacimiento</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Guardar la lectura como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>«%1» ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>No se pudo guardar la lectura como «%1»: %2. No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Introduce la ciudad</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Introduce la región</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Introduce el país</translation>
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
        <translation>Obtener mi lectura de la Parte de la Fortuna</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Introduce los datos correctos y descubre más sobre ti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nac.</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nac.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Haz clic aquí para buscar la latitud &amp;&amp; la longitud</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Solo letras y espacios</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901 a 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 a 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minuto de nacimiento</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Segundo de nacimiento</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>No se usa en la lectura</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>La zona horaria estándar del lugar de nacimiento</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Márcalo si regía el horario de verano en el momento del nacimiento</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Grados de latitud</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0 a 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutos de latitud</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 a 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Grados de longitud</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0 a 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutos de longitud</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Lugar de nacimiento, para buscar su latitud y longitud</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Buscar latitud y longitud</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Busca la ciudad, la región y el país escritos</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Visitar el sitio web ahora</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Abre el sitio web de Vespera Softwares en tu navegador</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Sin espacios</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar a un amigo a&amp;hora</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Recomendar a un amigo ahora</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Abre la página de recomendación en tu navegador</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Descargar Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Haz clic aquí para visitar Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Visitar el catálogo de programas</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Buscar latitud y longitud</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Nombres de lugares y coordenadas: GeoNames (www.geonames.org), CC BY 4.0. Zonas horarias: base de datos tz de IANA, dominio público</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>No se encontró en el atlas ningún lugar que coincida con «%1».
Puedes buscar su latitud y longitud en la web.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>No se encontró en el atlas ningún lugar que coincida con «%1». Quizá quisiste decir:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>Lugares que coinciden con «%1», los más probables primero. Elige tu lugar de nacimiento:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>No se conoce ningún país llamado «%1»; se muestran lugares de todos los países</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>No se encontró nada en «%1»; se muestran lugares de otros países</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Lugares encontrados</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>Usar este lugar</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Introduce un nombre</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Introduce un valor entre 0 y 179 en los grados de longitud</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Introduce un valor entre 0 y 59 en los minutos de longitud</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Introduce un valor entre 0 y 89 en los grados de latitud</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Introduce un valor entre 0 y 59 en los minutos de latitud</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Introduce una fecha o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Introduce una fecha o un mes correctos</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Solo se aceptan números</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Introduce solo letras</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix calcula tu signo de la Fortuna, el signo del zodíaco de tu Parte de la Fortuna, el punto de tu carta natal que muestra dónde encuentras la suerte, la alegría y el éxito. Conoce tu signo y lo que te promete.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>El foro de discusión de Vespera Softwares es un lugar amable para compartir ideas y obtener respuestas. ¡Visítalo hoy mismo!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Oportunidad de negocio desde casa. Empieza tu propio negocio en Internet revendiendo este programa con tu propia marca y logotipo, y quédate con todas las ganancias.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Personaliza este programa para tu sitio. Pon la dirección y el logotipo de tu sitio web en este programa y regálalo a tus visitantes: cada copia que compartan te traerá nuevos visitantes.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix calcula tu signo de la Fortuna, es decir, el signo del zodíaco donde se encuentra tu Parte de la Fortuna, un punto de la carta natal que se obtiene del Sol, la Luna y el ascendente. Indica dónde encuentras la suerte y la alegría en la vida.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Visita el sitio web de Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Oportunidad de negocio desde casa. Vende este programa con tu propia marca y quédate con todas las ganancias. Empieza hoy tu propio negocio.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Programas de Vespera Softwares como este solo pueden crearse y seguir siendo gratuitos con el apoyo de usuarios como tú. Ayúdanos visitando con regularidad el foro de discusión de Vespera Softwares y participando: pregunta, responde y comparte tus ideas.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Apoya a Vespera Softwares visitando con regularidad nuestro foro de discusión. Lee las publicaciones más recientes, haz preguntas y ayuda a otros miembros con tus respuestas: tus visitas mantienen vivo el foro y gratuitos nuestros programas.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>El foro de discusión de Vespera Softwares es gratuito y está abierto a todos. Apóyanos visitándolo con regularidad y participando en las conversaciones con otros usuarios como tú.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Nuestro foro de discusión necesita tu ayuda. Apoya a Vespera Softwares visitándolo con regularidad, haciendo tus preguntas y compartiendo tu experiencia, para que se convierta en un lugar animado para todos sus usuarios.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Si te ha gustado este programa, seguro que también te gustarán los demás. Vespera Softwares ofrece una amplia gama de programas sencillos y útiles para el hogar y la oficina: lecturas de astrología y numerología, calendarios y agendas, herramientas para escribir e imprimir, pequeñas utilidades que mantienen ordenado tu ordenador, juegos educativos para niños y pasatiempos para toda la familia. La mayoría se pueden probar gratis, y cada uno está hecho con el mismo cuidado que este. Son ligeros, rápidos de instalar y fáciles de aprender, así que puedes empezar en minutos. Haz clic en el enlace de abajo para ver la colección completa y encontrar tu próximo favorito.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Sí, llévame ahora al sitio web de Vespera Softwares para descubrir más programas útiles</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>no se pudo apartar el archivo ilegible</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa<byte value="xd"/>¿Quieres buscar una actualización?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduce dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduce una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduce tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduce tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduce el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduce el correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Una dirección de correo no puede contener espacios</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Lectura de %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>nacimiento antes del mediodía: ascendente + Luna − Sol</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>nacimiento desde el mediodía: ascendente + Sol − Luna</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · hoja hecha el %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>&amp;Recordar nacimientos</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>&amp;Borrar nacimientos recientes</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>&amp;Guardar la lectura como PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>No hay ninguna impresora instalada. ¿Quieres guardarla como archivo PDF?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>No se pudo imprimir la lectura. ¿Quieres guardarla como archivo PDF?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Resultado de Fortunix</translation>
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
        <translation>Hora del lugar de nacimiento,%1</translation>
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
        <translation>Rebosas energía y siempre pareces ir un paso por delante de todos los que te rodean. La Parte de la Fortuna en Aries te da el valor de un pionero: eres más feliz cuando abres un camino que nadie ha recorrido antes, y tu entusiasmo arrastra a los demás contigo. Los comienzos te sientan bien, ya sea un proyecto nuevo, un nuevo hogar o una idea nunca probada, y la suerte te sale al encuentro cuando actúas con audacia. Pero ese mismo fuego puede volverte impaciente, rápido para empezar y lento para terminar. Aprende a detenerte antes de saltar y deja que los demás sigan tu ritmo. Si concentras tu energía en una sola meta clara cada vez, tu empuje se convertirá en una fuerza duradera y no en una chispa pasajera.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Tienes un aplomo notable y una calma que los demás encuentran tranquilizadora. Con la Parte de la Fortuna en Tauro, tu fortuna crece despacio pero con paso firme, como un jardín cuidado con esmero. Tu resistencia es enorme: donde otros se rinden, tú sigues adelante, y tu paciencia convierte comienzos modestos en resultados sólidos. Disfrutas de la belleza, de la comodidad y de los placeres sencillos de la buena mesa, la música y la naturaleza, y das lo mejor de ti cuando te sientes seguro. Sin embargo, tu constancia puede volverse terquedad, y quizá te aferres a viejos rencores o costumbres mucho después de que hayan dejado de servirte. Suelta el pasado, evita los caminos que te dañan a ti o a otros, y tu serenidad te llevará lejos.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Como un niño curioso que pregunta por qué el cielo es azul, recibes el mundo con preguntas sin fin. La Parte de la Fortuna en Géminis te da una mente ágil, palabra fácil y la versatilidad para atender muchas tareas a la vez. Aprendes rápido, te adaptas con facilidad y puedes conversar con casi cualquiera, lo que te gana amigos y oportunidades allá donde vas. Tu ingenio y tu humor alegran cualquier lugar. La fortuna te llega a través de las palabras, los viajes, las cartas y un animado intercambio de ideas. Cuídate del orgullo por tu propia inteligencia, porque puede llevarte a despreciar lo que saben los demás. Cuando tu mente corra en muchas direcciones, confía en tu intuición: a menudo encuentra el camino antes que la razón.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Posees cualidades maternales como la compasión, la ternura y un profundo deseo de proteger a quienes amas. Con la Parte de la Fortuna en Cáncer, tu felicidad nace de cuidar a los demás y de crear un hogar donde todos se sientan a salvo. Percibes el ánimo de tu familia y tus amigos y sabes consolarlos sin necesidad de muchas palabras. Tu lealtad es profunda y constante. Encuentras una alegría verdadera en dar vida, ya sea a hijos o a ideas y proyectos que cuidas hasta que pueden valerse por sí mismos. Recuerda cuidarte a ti mismo con el mismo cariño con que cuidas a los demás, para que tu bondad nunca se agote.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Eres la viva imagen del optimismo, la vitalidad y una energía desbordante, y llenas de luz los lugares a los que llegas. La Parte de la Fortuna en Leo te da calidez y una presencia natural que atrae a la gente, y tu seguridad anima a los demás a creer en sí mismos. Eres generoso con tu tiempo, tus elogios y tus recursos, y disfrutas viendo brillar a los demás. El trabajo creativo, el juego y el liderazgo sacan lo mejor de ti. Tu integridad es uno de tus mayores dones: la gente confía en ti porque cumples tu palabra. Deja que tu corazón te guíe, pero comparte el escenario con gusto, y la admiración que ganes será duradera y bien merecida.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Quien tiene la Parte de la Fortuna en Virgo busca la perfección en todo, y si es tu caso, conoces el placer callado de una tarea bien hecha. Amas el orden y la disciplina, y aportas método allí donde otros solo ven confusión. Tu sentido práctico es un verdadero don: te fijas en el pequeño detalle que hace funcionar un plan y te alegra ser útil a quienes te rodean. La buena suerte te llega a través del trabajo cuidadoso, el servicio, la salud y las rutinas diarias. Sin embargo, tu alto nivel de exigencia puede volverse contra ti en forma de preocupación o autocrítica, y quizá cargues con viejas heridas durante años. Perdónate y perdona a los demás, deja que sanen las heridas antiguas, y tu buen juicio te servirá bien.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Tener la Parte de la Fortuna en Libra significa un don para la diplomacia, la armonía y la elegancia, y vas por la vida buscando el equilibrio. Ves las dos caras de cada asunto y sabes llevar a las partes enfrentadas a un acuerdo justo, por eso los demás acuden a ti a menudo para resolver sus disputas. La belleza te importa, en el arte, en los modales y en la forma de tratar a las personas, y tu encanto te abre puertas. Las relaciones de todo tipo, en el amor, la amistad y los negocios, son el terreno donde crece tu fortuna. Tu reto es sopesar tus propias necesidades con el mismo cuidado que las de los demás. Ayuda con gusto, pero no te pierdas por complacer a todos. Cuando equilibras tus intereses con el cuidado de los demás, encuentras una paz duradera.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Dotado de un poder de percepción y una intuición excepcionales, ves más allá de la superficie de las personas y los acontecimientos. La Parte de la Fortuna en Escorpio te permite intuir motivos ocultos y sentimientos no expresados, y rara vez logran engañarte por mucho tiempo. Te atraen los misterios de la vida y no temes enfrentarte a lo que otros evitan. Esa profundidad te da una gran fortaleza en las crisis, cuando mantienes la calma y la concentración mientras otros pierden la cabeza. Tu mayor tesoro es el conocimiento de ti mismo: cuanto más honestamente miras en tu interior, más poder ganas. Enfréntate a tus miedos sin vacilar, usa tu perspicacia con cuidado, y podrás transformarte a ti mismo y a los demás.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Quien nace con la Parte de la Fortuna en Sagitario ve la vida como un gran viaje, y si es tu caso, eres más feliz cuando aprendes algo nuevo. Tienes una mirada filosófica y un impulso natural de encontrar sentido a lo que te sucede. Te encanta compartir lo que aprendes, y eres un maestro, guía o narrador generoso. La aventura te llama, y puede que encuentres tu suerte lejos de casa, en tierras extranjeras, entre gentes de otras culturas o en el estudio de ideas lejanas. Tu optimismo y tu sentido del humor te ayudan a recuperarte pronto de los reveses. Procura no prometer más de lo que puedes cumplir y mantén los pies en la tierra mientras tu mente vuela. Sigue tu curiosidad y tus horizontes se ampliarán.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Posees una capacidad asombrosa para abrirte paso entre los obstáculos, y construyes tu vida paso a paso. Con la Parte de la Fortuna en Capricornio, tu don es el logro práctico: te fijas metas, haces planes y trabajas con constancia hasta cumplirlos. Sabes echar cimientos, ya sea para una carrera, una familia o un negocio, y lo que construyes suele perdurar. Tu determinación inspira respeto, y la responsabilidad te sienta bien. A veces puedes caer en la inercia, esperando un momento perfecto que nunca llega. Sacúdetela y da el primer paso, por pequeño que sea: en cuanto te pones en marcha, tu paciencia y tu disciplina te llevan a la cima.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Eres sumamente original, avanzado en tu manera de pensar y abierto en tus juicios. Con la Parte de la Fortuna en Acuario, ves posibilidades que otros pasan por alto y te atreves a cuestionar las normas que ya no tienen sentido. Valoras la libertad, la amistad y la justicia, y juzgas a las personas por lo que hacen, no por su procedencia. Los grupos, las causas y las nuevas tecnologías sacan lo mejor de ti, y tus ideas suelen adelantarse a su tiempo. A veces puedes sentir que no encajas o que los demás no te entienden. Acepta tu singularidad como un regalo y no como una carga: el mundo necesita personas que piensen distinto, y tu diferencia es tu fortuna.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>La Parte de la Fortuna en Piscis indica una imaginación rica y una elegancia enigmática que a los demás les cuesta describir. Vives en parte en un mundo de sueños, y sientes las alegrías y las penas ajenas como si fueran tuyas. La música, la poesía, la pintura y la danza pueden hablarte más hondo que las palabras. Tu sensibilidad es un don, pero necesita una salida: sin ella, puedes ir a la deriva o sentirte abrumado por el mundo. Busca un camino creativo para tus sueños y da forma a lo que sientes. La compasión y una fe serena te guían bien, y tu fortuna más profunda está en la plenitud espiritual, en la sensación de formar parte de algo más grande.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Parte de la Fortuna</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Hora de verano de Alaska/Hawái,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Hora estándar de Alaska/Hawái,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Hora de guerra de Alaska/Hawái,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Hora estándar del Atlántico,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Hora de guerra del Atlántico,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Hora de verano de Australia central,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Hora estándar de Australia central,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Hora de verano de Australia oriental,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Hora estándar de Australia oriental,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Hora de verano de Australia occidental,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Hora estándar de Australia occidental,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Hora de las Azores, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Hora de Bagdad, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Hora estándar de Bering,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Brasil, zona 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>Doble hora de verano británico,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Hora de verano británico,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Hora de guerra británica,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Hora de verano central,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Hora de verano de Europa central,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Hora de Europa central,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Hora estándar central,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Hora de guerra central,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Hora de la costa china,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Hora de verano del este,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Hora de verano de Europa oriental,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Hora de Europa oriental,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Hora estándar del este,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Hora de guerra del este,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Hora media de Greenwich,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Hora estándar de Guam,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Hora de verano de Hawái,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Hora estándar de Hawái,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Hora de guerra de Hawái,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Hora de la India, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Línea de cambio de fecha, este,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Línea de cambio de fecha, oeste,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Hora de Irán, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Hora estándar de Japón,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Hora de Java, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Hora de verano de Europa media,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Hora de Europa media,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Hora de las Molucas, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Hora de verano de la Montaña,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Hora estándar de la Montaña,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Hora de guerra de la Montaña,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Hora de verano de Nueva Zelanda,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Hora estándar de Nueva Zelanda,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Hora de verano de Nueva Zelanda,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Hora de Nueva Zelanda,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Hora estándar de Terranova,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Hora de Nome, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Hora del norte de Sumatra,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Hora de verano del Pacífico,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Hora estándar del Pacífico,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Hora de guerra del Pacífico,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Hora de verano de Australia Meridional,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Hora de verano de Australia Meridional,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Hora estándar de Australia Meridional,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Hora estándar de Australia Meridional,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Hora del sur de Sumatra,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Tiempo universal, UT, 0.0</translation>
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
        <translation>Hora de África occidental,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Hora de verano del Yukón,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Hora estándar del Yukón,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Hora de guerra del Yukón,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
</context>
</TS>
