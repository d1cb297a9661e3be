<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Fórum de discussão</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Oferta de revenda</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Oferta de marca compartilhada</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>hora média local do local de nascimento</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>hora padrão</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>horário de verão duplo</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>horário de verão</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (antes de %1 vigorava a hora padrão)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>Fuso horário em %1, %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>Em %1 os relógios foram atrasados e %2 aconteceu duas vezes%3: primeiro %4, depois %5. Escolha qual:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>Em %1 os relógios foram adiantados e %2 não existiu ali%3. Proposta: %4, o horário antes da mudança.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Define o fuso horário como &quot;%1&quot;, %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>com o horário de verão marcado</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Horário de verão não marcado</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>O primeiro: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>O segundo: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>não foi possível iniciar o PDF</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> hora local</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>não marcado</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Tempo universal</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Local de nascimento</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Latitude, longitude</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>&amp;Nascimentos recentes</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>A lista de nascimentos recentes em &quot;%1&quot; não pôde ser lida nem deixada de lado. Ela fica como está, e os nascimentos não são lembrados até que ela seja removida.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>Não foi possível ler %1 dos nascimentos recentes. A lista foi deixada de lado como &quot;%2&quot;, e os nascimentos que puderam ser lidos foram mantidos.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>Não foi possível ler a lista de nascimentos recentes. Ela foi deixada de lado como &quot;%1&quot;, e a lista começa vazia.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>Não foi possível salvar a lista de nascimentos recentes em &quot;%1&quot;: %2. Ela é mantida até o Fortunix ser fechado.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite-nos on-line</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;on-line</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Feito com Qt, usado sob a licença GNU LGPL versão 3.
Nomes de lugares e coordenadas: GeoNames, CC BY 4.0.
Histórico de fusos horários: o banco de dados tz da IANA, domínio público.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Mais detalhes</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para mais detalhes</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Abre a página sobre vender este programa com a sua própria marca</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar a leitura</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Parte da Fortuna:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Parte da Fortuna</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Volta aos dados de nascimento</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Salvar a leitura como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>&quot;%1&quot; já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>Não foi possível salvar a leitura como &quot;%1&quot;: %2. Nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Informe a cidade</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Informe o estado</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Informe o país</translation>
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
        <translation>Obter minha leitura da Parte da Fortuna</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Informe os dados corretos e saiba mais sobre você</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nasc.</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nasc.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Clique aqui para encontrar a latitude &amp;&amp; a longitude</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Somente letras e espaços</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mês do nascimento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Dia do nascimento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Ano do nascimento</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901 a 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Hora do nascimento</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 a 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Minuto do nascimento</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Segundo do nascimento</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>Não usado na leitura</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>O fuso horário padrão do local de nascimento</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Marque se o horário de verão estava em vigor no nascimento</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Graus de latitude</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0 a 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutos de latitude</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 a 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Graus de longitude</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0 a 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutos de longitude</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Local de nascimento, para procurar sua latitude e longitude</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Encontrar latitude e longitude</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Procura a cidade, o estado e o país digitados</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Visitar o site agora</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Abre o site da Vespera Softwares no seu navegador</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Encerra o programa</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Sem espaços</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar a um amigo &amp;agora</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Indicar a um amigo agora</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Abre a página de indicação no seu navegador</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Baixar Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Clique aqui para visitar a Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Visitar o catálogo de programas</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Encontrar latitude e longitude</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Nomes de lugares e coordenadas: GeoNames (www.geonames.org), CC BY 4.0. Fusos horários: banco de dados tz da IANA, domínio público</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>Nenhum lugar correspondente a &quot;%1&quot; foi encontrado no atlas.
Você pode procurar a latitude e a longitude dele na web.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>Nenhum lugar correspondente a &quot;%1&quot; foi encontrado no atlas. Você quis dizer:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>Lugares correspondentes a &quot;%1&quot;, os mais prováveis primeiro. Escolha o seu local de nascimento:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>Nenhum país chamado &quot;%1&quot; é conhecido; mostrando lugares de todos os países</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>Nada correspondente foi encontrado em &quot;%1&quot;; mostrando lugares de outros países</translation>
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
        <translation>Pesquisar na web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Informe um nome</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Informe um valor entre 0 e 179 nos graus de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Informe um valor entre 0 e 59 nos minutos de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Informe um valor entre 0 e 89 nos graus de latitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Informe um valor entre 0 e 59 nos minutos de latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Informe uma data ou um mês correto!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Informe uma data ou um mês correto</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Somente números são aceitos</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Informe somente letras</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>O Fortunix calcula o seu signo da Fortuna, o signo do zodíaco da sua Parte da Fortuna, o ponto do seu mapa natal que mostra onde você encontra sorte, alegria e sucesso. Conheça o seu signo e o que ele promete.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>O fórum de discussão da Vespera Softwares é um lugar amigável para trocar ideias e obter respostas. Faça uma visita hoje mesmo!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Oportunidade de negócio em casa. Comece o seu próprio negócio na Internet revendendo este programa com a sua própria marca e logotipo, e fique com todo o lucro.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Personalize este programa para o seu site. Coloque o endereço e o logotipo do seu site neste programa e distribua-o aos seus visitantes: cada cópia que eles repassam traz novos visitantes de volta para você.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>O Fortunix calcula o seu signo da Fortuna, ou seja, o signo do zodíaco onde está a sua Parte da Fortuna, um ponto do mapa natal obtido a partir do Sol, da Lua e do ascendente. Ele indica onde você encontra sorte e alegria na vida.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Visite o site da Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Oportunidade de negócio em casa. Venda este programa com a sua própria marca e fique com todo o lucro. Comece hoje o seu próprio negócio.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Programas da Vespera Softwares como este só podem ser criados e continuar gratuitos com o apoio de usuários como você. Ajude-nos visitando regularmente o fórum de discussão da Vespera Softwares e participando: pergunte, responda e compartilhe suas ideias.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Apoie a Vespera Softwares visitando regularmente o nosso fórum de discussão. Leia as publicações mais recentes, faça perguntas e ajude outros membros com as suas respostas: as suas visitas mantêm o fórum vivo e os nossos programas gratuitos.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>O fórum de discussão da Vespera Softwares é gratuito e aberto a todos. Apoie-nos visitando-o regularmente e participando das conversas com outros usuários como você.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Nosso fórum de discussão precisa da sua ajuda. Apoie a Vespera Softwares visitando-o regularmente, fazendo suas perguntas e compartilhando sua experiência, para que ele se torne um lugar animado para todos os usuários.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Se você gostou deste programa, com certeza vai gostar dos nossos outros também. A Vespera Softwares oferece uma grande variedade de programas simples e úteis para casa e escritório: leituras de astrologia e numerologia, calendários e agendas, ferramentas para escrever e imprimir, pequenos utilitários que mantêm o seu computador em ordem, jogos educativos para crianças e quebra-cabeças para toda a família. A maioria pode ser experimentada de graça, e cada um é feito com o mesmo cuidado que este. São leves, rápidos de instalar e fáceis de aprender, para você começar em minutos. Clique no link abaixo para ver a coleção completa e encontrar o seu próximo favorito.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Sim, leve-me agora ao site da Vespera Softwares para descobrir mais programas úteis</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>não foi possível mover o arquivo ilegível</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Talvez haja uma atualização deste programa disponível<byte value="xd"/>Deseja verificar se há uma atualização?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Informe dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Informe um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Informe o seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Informe o seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Informe a sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Informe o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Informe o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Um endereço de e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Leitura do %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>nascido antes do meio-dia: ascendente + Lua − Sol</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>nascido a partir do meio-dia: ascendente + Sol − Lua</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · folha feita em %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>&amp;Lembrar nascimentos</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>&amp;Limpar nascimentos recentes</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>&amp;Salvar a leitura como PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Visualizar impressão…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>Nenhuma impressora está instalada. Deseja salvá-la como arquivo PDF?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>Não foi possível imprimir a leitura. Deseja salvá-la como arquivo PDF?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Resultado do Fortunix</translation>
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
        <translation>%1 L</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 O</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>Hora do local de nascimento,%1</translation>
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
        <translation>Transbordando energia, você parece estar sempre um passo à frente de todos ao seu redor. A Parte da Fortuna em Áries lhe dá a coragem de um pioneiro: você fica mais feliz quando abre um caminho que ninguém percorreu antes, e seu entusiasmo leva os outros junto. Recomeços combinam com você, seja um projeto novo, uma nova casa ou uma ideia nunca testada, e a sorte vem ao seu encontro quando você age com ousadia. Mas esse mesmo fogo pode deixá-lo impaciente, rápido para começar e lento para terminar. Aprenda a parar antes de saltar e deixe que os outros acompanhem o seu ritmo. Se você concentrar sua energia em um objetivo claro de cada vez, seu ímpeto se tornará uma força duradoura, e não uma faísca passageira.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Você tem uma serenidade notável e uma calma que os outros acham reconfortante. Com a Parte da Fortuna em Touro, sua fortuna cresce devagar e com firmeza, como um jardim cultivado com carinho. Sua resistência é enorme: onde os outros desistem, você continua, e sua paciência transforma começos modestos em resultados sólidos. Você aprecia a beleza, o conforto e os prazeres simples da boa comida, da música e da natureza, e dá o melhor de si quando se sente seguro. Sua constância, porém, pode virar teimosia, e você talvez se apegue a velhas mágoas ou hábitos muito depois de eles deixarem de lhe servir. Deixe o passado para trás, evite caminhos que façam mal a você ou aos outros, e sua calma o levará longe.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Como uma criança curiosa que pergunta por que o céu é azul, você encara o mundo com perguntas sem fim. A Parte da Fortuna em Gêmeos lhe dá uma mente ágil, facilidade com as palavras e versatilidade para dar conta de muitas tarefas ao mesmo tempo. Você aprende rápido, se adapta com facilidade e consegue conversar com quase todo mundo, o que lhe rende amigos e oportunidades aonde quer que vá. Sua inteligência e seu bom humor alegram qualquer ambiente. A sorte chega até você pelas palavras, pelas viagens, pelas cartas e por uma animada troca de ideias. Cuidado com o orgulho da própria esperteza, pois ele pode fazê-lo desprezar o que os outros sabem. Quando sua mente correr em muitas direções, confie na intuição: muitas vezes ela encontra o caminho antes da razão.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Você é abençoado com qualidades maternais como compaixão, ternura e um profundo desejo de proteger quem ama. Com a Parte da Fortuna em Câncer, sua felicidade nasce de cuidar dos outros e de criar um lar onde as pessoas se sintam seguras. Você percebe o humor da família e dos amigos e sabe confortá-los sem precisar de muitas palavras. Sua lealdade é profunda e constante. Você encontra verdadeira alegria em dar à luz, seja a filhos, seja a ideias e projetos que você nutre até que possam andar com as próprias pernas. Lembre-se de cuidar de si mesmo com o mesmo carinho com que cuida dos outros, para que sua bondade nunca se esgote.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Verdadeira personificação do otimismo, da vivacidade e de uma energia contagiante, você ilumina os lugares onde chega. A Parte da Fortuna em Leão lhe dá calor humano e uma presença natural que atrai as pessoas, e sua confiança inspira os outros a acreditar em si mesmos. Você é generoso com seu tempo, seus elogios e seus recursos, e tem prazer em ver os outros brilharem. O trabalho criativo, a diversão e a liderança despertam o melhor de você. Sua integridade é um de seus maiores dons: as pessoas confiam em você porque você cumpre a palavra. Deixe o coração guiar, mas divida o palco de bom grado, e a admiração que você conquistar será duradoura e merecida.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Quem tem a Parte da Fortuna em Virgem busca a perfeição em tudo, e se esse é o seu caso, você conhece o prazer silencioso de uma tarefa bem-feita. Você ama a ordem e a disciplina e traz método onde os outros só veem confusão. Seu senso prático é um verdadeiro dom: você repara no pequeno detalhe que faz um plano dar certo e fica feliz em ser útil às pessoas ao seu redor. A boa sorte chega até você pelo trabalho cuidadoso, pelo serviço, pela saúde e pela rotina do dia a dia. Seus padrões elevados, porém, podem se voltar para dentro, em forma de preocupação ou autocrítica, e você talvez carregue velhas mágoas por anos. Perdoe a si mesmo e aos outros, deixe as feridas antigas cicatrizarem, e seu bom senso o servirá bem.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Ter a Parte da Fortuna em Libra significa um dom para a diplomacia, a harmonia e a elegância, e você segue pela vida em busca de equilíbrio. Você enxerga os dois lados de uma questão e consegue levar pessoas em conflito a um acordo justo, por isso os outros muitas vezes recorrem a você para resolver suas disputas. A beleza importa para você, na arte, nas boas maneiras e no modo como trata as pessoas, e seu charme abre portas. É nas parcerias de todo tipo, no amor, na amizade e nos negócios, que sua fortuna cresce. Seu desafio é pesar as próprias necessidades com o mesmo cuidado que dedica às dos outros. Ajude com prazer, mas não se perca tentando agradar a todos. Quando você equilibra seus interesses com o cuidado pelos outros, encontra uma paz duradoura.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Dotado de um poder de percepção e de uma intuição excepcionais, você enxerga por baixo da superfície das pessoas e dos acontecimentos. A Parte da Fortuna em Escorpião permite que você perceba motivos ocultos e sentimentos não ditos, e dificilmente alguém o engana por muito tempo. Os mistérios da vida o atraem, e você não tem medo de encarar aquilo que os outros evitam. Essa profundidade lhe dá grande força nas crises, quando você mantém a calma e o foco enquanto os outros perdem a cabeça. Seu maior tesouro é o autoconhecimento: quanto mais honestamente você olha para dentro, mais poder conquista. Enfrente seus medos sem recuar, use sua percepção com cuidado, e você poderá transformar a si mesmo e aos outros.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Quem nasce com a Parte da Fortuna em Sagitário vê a vida como uma grande viagem, e se esse é o seu caso, você fica mais feliz quando está aprendendo algo novo. Você tem uma visão filosófica e uma vontade natural de encontrar sentido no que lhe acontece. Adora compartilhar o que aprende e é um professor, guia ou contador de histórias generoso. A aventura o chama, e talvez você encontre a sorte longe de casa, em terras estrangeiras, entre pessoas de outras culturas ou no estudo de ideias distantes. Seu otimismo e seu senso de humor ajudam você a se recuperar depressa dos contratempos. Cuidado para não prometer mais do que pode cumprir, e mantenha os pés no chão enquanto a mente viaja. Siga sua curiosidade, e seus horizontes vão se ampliar.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Com uma capacidade fenomenal de abrir caminho entre os obstáculos, você constrói sua vida passo a passo. Com a Parte da Fortuna em Capricórnio, seu dom é a realização prática: você define metas, faz planos e trabalha com constância até cumpri-los. Você sabe lançar alicerces, para uma carreira, uma família ou um negócio, e o que você constrói costuma durar. Sua determinação conquista respeito, e a responsabilidade lhe cai bem. Às vezes você pode cair na inércia, à espera de um momento perfeito que nunca chega. Sacuda-a e dê o primeiro pequeno passo; quando você começa a andar, sua paciência e sua disciplina o levam até o topo.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Você é extremamente original, avançado no modo de pensar e aberto nos seus julgamentos. Com a Parte da Fortuna em Aquário, você enxerga possibilidades que os outros não veem e tem coragem de questionar regras que já não fazem sentido. Você valoriza a liberdade, a amizade e a justiça, e julga as pessoas pelo que fazem, não pela sua origem. Grupos, causas e novas tecnologias despertam o melhor de você, e suas ideias muitas vezes estão à frente do seu tempo. Às vezes você pode sentir que não se encaixa, ou que os outros não o entendem. Aceite a sua singularidade como um presente, não como um fardo: o mundo precisa de pessoas que pensam diferente, e a sua diferença é a sua fortuna.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>A Parte da Fortuna em Peixes indica uma imaginação rica e uma elegância enigmática que os outros têm dificuldade em descrever. Você vive em parte num mundo de sonhos e sente as alegrias e as tristezas dos outros como se fossem suas. Música, poesia, pintura e dança podem falar com você mais profundamente do que as palavras. Sua sensibilidade é um dom, mas precisa de uma válvula de escape: sem ela, você pode ficar à deriva ou se sentir sobrecarregado pelo mundo. Encontre um caminho criativo para seus sonhos e dê forma ao que sente. A compaixão e uma fé serena o guiam bem, e sua fortuna mais profunda está na realização espiritual, na sensação de fazer parte de algo maior.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Parte da Fortuna</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Horário de verão do Alasca/Havaí,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Hora padrão do Alasca/Havaí,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Hora de guerra do Alasca/Havaí,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Hora padrão do Atlântico,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Hora de guerra do Atlântico,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Horário de verão da Austrália Central,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Hora padrão da Austrália Central,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Horário de verão da Austrália Oriental,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Hora padrão da Austrália Oriental,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Horário de verão da Austrália Ocidental,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Hora padrão da Austrália Ocidental,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Hora dos Açores, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Hora de Bagdá, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Hora padrão de Bering,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Brasil, fuso 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>Horário de verão duplo britânico,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Horário de verão britânico,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Hora de guerra britânica,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Horário de verão central,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Horário de verão da Europa Central,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Hora da Europa Central,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Hora padrão central,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Hora de guerra central,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Hora da costa chinesa,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Horário de verão do leste,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Horário de verão da Europa Oriental,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Hora da Europa Oriental,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Hora padrão do leste,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Hora de guerra do leste,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Hora Média de Greenwich,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Hora padrão de Guam,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Horário de verão do Havaí,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Hora padrão do Havaí,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Hora de guerra do Havaí,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Hora da Índia, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Linha de Data, leste,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Linha de Data, oeste,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Hora do Irã, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Hora padrão do Japão,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Hora de Java, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Horário de verão da Europa Média,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Hora da Europa Média,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Hora das Molucas, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Horário de verão das Montanhas,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Hora padrão das Montanhas,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Hora de guerra das Montanhas,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Horário de verão da Nova Zelândia,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Hora padrão da Nova Zelândia,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Horário de verão da Nova Zelândia,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Hora da Nova Zelândia,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Hora padrão da Terra Nova,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Hora de Nome, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Hora do norte de Sumatra,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Horário de verão do Pacífico,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Hora padrão do Pacífico,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Hora de guerra do Pacífico,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Horário de verão da Austrália Meridional,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Horário de verão da Austrália Meridional,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Hora padrão da Austrália Meridional,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Hora padrão da Austrália Meridional,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Hora do sul de Sumatra,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Tempo Universal, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>URSS, fuso 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>URSS, fuso 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>URSS, fuso 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>URSS, fuso 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>URSS, fuso 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>Hora da África Ocidental,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Horário de verão do Yukon,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Hora padrão do Yukon,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Hora de guerra do Yukon,YWT,-8.0</translation>
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
        <translation>Idioma do &amp;sistema</translation>
    </message>
</context>
</TS>
