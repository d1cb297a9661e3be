<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Форум для обсуждений</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Предложение перепродажи</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Предложение совместного брендинга</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>местное среднее время места рождения</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>стандартное время</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>двойное летнее время</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>летнее время</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (до %1 действовало стандартное время)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>Часовой пояс на %1, %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>%1 часы перевели назад, и %2 наступило дважды%3: сначала %4, затем %5. Выберите:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>%1 часы перевели вперёд, и времени %2 там не было%3. Предлагается: %4, время до перевода.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Устанавливает часовой пояс «%1», %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>с отмеченным летним временем</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Летнее время не отмечено</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>Первое: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>Второе: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>не удалось начать PDF</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Асцендент</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> местное время</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>не отмечено</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Всемирное время</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Место рождения</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Широта, долгота</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>Недавние &amp;рождения</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>Список недавних рождений в «%1» не удалось ни прочитать, ни отложить. Он остаётся как есть, и рождения не запоминаются, пока его не уберут.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>Не удалось прочитать недавних рождений: %1. Список отложен под именем «%2», а прочитанные рождения сохранены.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>Не удалось прочитать список недавних рождений. Он отложен под именем «%1», и список начинается заново.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>Не удалось сохранить список недавних рождений в «%1»: %2. Он сохраняется до закрытия Fortunix.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетите наш сайт</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Заработок в &amp;Интернете</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Создано на Qt по лицензии GNU LGPL версии 3.
Места и координаты: GeoNames, CC BY 4.0.
Часовые пояса: база tz IANA, общественное достояние.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Подробнее здесь</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Открывает страницу о продаже этой программы под вашей маркой</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Копировать толкование</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Парс Фортуны:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Парс Фортуны</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Толкование</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Возвращает к данным рождения</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Сохранить толкование в PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>«%1» уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>Не удалось сохранить толкование как «%1»: %2. Файл не записан.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Введите город</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Введите регион</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Введите страну</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Гр</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>Получить толкование моего Парса Фортуны</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Введите верные данные и узнайте о себе больше</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Время рождения</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Пояс</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Нажмите здесь, чтобы найти широту &amp;&amp; долготу</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Только буквы и пробелы</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Месяц рождения</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Год рождения</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>с 1901 по 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Час рождения</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>от 0 до 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Минута рождения</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Секунда рождения</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>Не используется в толковании</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>Стандартный часовой пояс места рождения</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Отметьте, если при рождении действовало летнее время</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Градусы широты</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>от 0 до 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Минуты широты</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>от 0 до 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Градусы долготы</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>от 0 до 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Минуты долготы</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Место рождения — для поиска его широты и долготы</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Найти широту и долготу</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Ищет введённые город, регион и страну</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Посетить сайт сейчас</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Открывает сайт Vespera Softwares в вашем браузере</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Завершает работу программы</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Порекомендовать другу</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Без пробелов</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Порекомендовать другу &amp;сейчас</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Порекомендовать другу сейчас</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Открывает страницу рекомендации в вашем браузере</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Скачать Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Нажмите здесь, чтобы посетить Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Открыть каталог программ</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Найти широту и долготу</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Названия мест и координаты: GeoNames (www.geonames.org), CC BY 4.0. Часовые пояса: база данных tz IANA, общественное достояние</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>В атласе не найдено место, подходящее под «%1».
Вы можете найти его широту и долготу в Интернете.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>В атласе не найдено место, подходящее под «%1». Возможно, вы имели в виду:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>Места, подходящие под «%1», сначала самые вероятные. Выберите место своего рождения:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>Страна «%1» неизвестна; показаны места во всех странах</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>В «%1» ничего подходящего не найдено; показаны места в других странах</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Найденные места</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>Выбрать это место</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Искать в Интернете</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Введите имя</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Введите значение от 0 до 179 в градусах долготы</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Введите значение от 0 до 59 в минутах долготы</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Введите значение от 0 до 89 в градусах широты</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Введите значение от 0 до 59 в минутах широты</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Введите правильную дату или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Введите правильную дату или месяц</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Допускаются только цифры</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Вводите только буквы</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix вычисляет ваш знак Фортуны — знак зодиака вашего Парса Фортуны, точки натальной карты, которая показывает, где вы находите удачу, радость и успех. Узнайте свой знак и то, что он обещает.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Форум Vespera Softwares — дружелюбное место, где можно поделиться идеями и получить ответы. Загляните туда уже сегодня!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Бизнес на дому. Откройте своё дело в Интернете, перепродавая эту программу под своей маркой и логотипом, и оставляйте всю прибыль себе.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Сделайте эту программу своей: добавьте в неё адрес и логотип своего сайта и дарите её посетителям — каждая копия, которой они поделятся, приведёт к вам новых гостей.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix вычисляет ваш знак Фортуны — знак зодиака, в котором находится ваш Парс Фортуны, точка натальной карты, определяемая по Солнцу, Луне и асценденту. Она показывает, где вы находите удачу и радость в жизни.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Посетите сайт Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Бизнес на дому. Продавайте эту программу под своей маркой и оставляйте себе всю прибыль. Начните своё дело уже сегодня.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Программы Vespera Softwares, такие как эта, могут создаваться и оставаться бесплатными только благодаря поддержке таких пользователей, как вы. Помогите нам: регулярно заходите на форум Vespera Softwares и участвуйте — спрашивайте, отвечайте и делитесь идеями.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Поддержите Vespera Softwares, регулярно посещая наш форум. Читайте новые сообщения, задавайте вопросы и помогайте другим участникам своими ответами: ваши визиты поддерживают жизнь форума и бесплатность наших программ.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Форум Vespera Softwares открыт для всех бесплатно. Поддержите нас: заходите регулярно и участвуйте в беседах с такими же пользователями, как вы.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Нашему форуму нужна ваша помощь. Поддержите Vespera Softwares: заходите на форум регулярно, задавайте вопросы и делитесь опытом, чтобы он стал живым местом для всех пользователей.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Если вам понравилась эта программа, вам наверняка понравятся и другие наши программы. Vespera Softwares выпускает множество простых и полезных программ для дома и офиса: астрологические и нумерологические толкования, календари и планировщики, инструменты для письма и печати, небольшие утилиты, поддерживающие порядок в компьютере, обучающие игры для детей и головоломки для всей семьи. Большинство из них можно попробовать бесплатно, и каждая сделана с той же заботой, что и эта. Они небольшие, быстро устанавливаются и легко осваиваются, так что начать можно за несколько минут. Нажмите ссылку ниже, чтобы увидеть всю коллекцию и найти свою новую любимую программу.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Да, перейти на сайт Vespera Softwares и найти другие полезные программы</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>не удалось переместить нечитаемый файл</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>не удалось создать папку</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, доступно обновление этой программы<byte value="xd"/>Проверить наличие обновления?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите свой адрес электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите своё сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес электронной почты друга</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>Толкование %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Формула</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>рождение до полудня: асцендент + Луна − Солнце</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>рождение с полудня: асцендент + Солнце − Луна</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · лист создан %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>&amp;Запоминать рождения</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>&amp;Очистить недавние рождения</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>&amp;Сохранить толкование в PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Пред&amp;варительный просмотр…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>Принтер не установлен. Сохранить толкование в файл PDF?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>Не удалось напечатать толкование. Сохранить его в файл PDF?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Результат Fortunix</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>%1 с. ш.</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 ю. ш.</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>%1 в. д.</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 з. д.</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>Время места рождения,%1</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>ЧЧ:ММ:СС</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>Вы полны энергии и, кажется, всегда на шаг опережаете всех вокруг. Парс Фортуны в Овне дарит вам смелость первопроходца: вы счастливее всего, когда прокладываете дорогу, по которой ещё никто не ходил, и ваш энтузиазм увлекает за собой других. Вам удаются начинания, будь то новый проект, новый дом или ещё не испытанная идея, и удача приходит к вам, когда вы действуете смело. Но тот же огонь может сделать вас нетерпеливым: вы быстро начинаете и медленно доводите дело до конца. Научитесь останавливаться, прежде чем броситься вперёд, и дайте другим поспевать за вами. Если вы будете направлять энергию на одну ясную цель за раз, ваш напор станет прочной силой, а не мимолётной искрой.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Вам присущи редкое самообладание и спокойствие, которое внушает другим уверенность. С Парсом Фортуны в Тельце ваша удача растёт медленно, но верно, как сад, за которым заботливо ухаживают. Вы очень выносливы: там, где другие сдаются, вы продолжаете путь, и ваше терпение превращает скромное начало в прочный результат. Вы цените красоту, уют и простые радости — вкусную еду, музыку, природу — и лучше всего проявляете себя, когда чувствуете себя в безопасности. Однако ваше постоянство может обернуться упрямством, и вы рискуете держаться за старые обиды и привычки ещё долго после того, как они перестали приносить пользу. Отпустите прошлое, избегайте того, что вредит вам или другим, и ваше спокойствие унесёт вас далеко.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Как любознательный ребёнок, который спрашивает, почему небо голубое, вы встречаете мир бесконечными вопросами. Парс Фортуны в Близнецах дарит вам живой ум, бойкий язык и гибкость, позволяющую справляться с множеством дел одновременно. Вы быстро учитесь, легко приспосабливаетесь и можете разговориться почти с кем угодно, и это приносит вам друзей и новые возможности, куда бы вы ни пошли. Ваше остроумие и чувство юмора оживляют любую компанию. Удача приходит к вам через слова, путешествия, письма и оживлённый обмен идеями. Остерегайтесь гордости собственным умом: она может заставить вас пренебрегать тем, что знают другие. Когда мысли разбегаются в разные стороны, доверьтесь интуиции: она часто находит дорогу раньше разума.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Вы наделены материнскими качествами — состраданием, нежностью и глубоким желанием защитить тех, кого любите. С Парсом Фортуны в Раке ваше счастье растёт из заботы о других и из дома, где людям спокойно и надёжно. Вы чувствуете настроение родных и друзей и умеете утешить их без лишних слов. Ваша преданность глубока и неизменна. Настоящую радость вам приносит рождение нового — будь то дети или идеи и замыслы, которые вы бережно растите, пока они не встанут на ноги. Не забывайте заботиться о себе так же тепло, как вы заботитесь о других, чтобы ваша доброта никогда не иссякла.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Воплощение оптимизма, жизнерадостности и неиссякаемой энергии, вы озаряете светом любое место, куда входите. Парс Фортуны во Льве дарит вам теплоту и природное обаяние, которое притягивает людей, а ваша уверенность помогает другим поверить в себя. Вы щедро делитесь своим временем, похвалой и возможностями и радуетесь, когда блистают другие. Творчество, игра и руководство раскрывают в вас лучшее. Ваша честность — один из главных ваших даров: вам доверяют, потому что вы держите слово. Пусть вас ведёт сердце, но охотно делитесь сценой с другими, и восхищение, которое вы заслужите, будет долгим и заслуженным.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Человек с Парсом Фортуны в Деве стремится к совершенству во всём, и если это о вас, вам знакомо тихое удовольствие от хорошо сделанной работы. Вы любите порядок и дисциплину и вносите систему туда, где другие видят лишь неразбериху. Ваш практический склад ума — настоящий дар: вы замечаете ту мелочь, от которой зависит успех плана, и рады быть полезным окружающим. Удача приходит к вам через тщательную работу, служение, заботу о здоровье и повседневный распорядок. Однако высокие требования могут обратиться внутрь — в тревогу или самокритику, — и старые обиды вы порой носите в себе годами. Простите себя и других, дайте старым ранам зажить, и ваш здравый смысл сослужит вам добрую службу.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Парс Фортуны в Весах говорит о даре дипломатии, гармонии и изящества, и вы идёте по жизни в поисках равновесия. Вы видите обе стороны любого вопроса и умеете привести противников к справедливому согласию, поэтому к вам часто обращаются, чтобы уладить споры. Красота важна для вас — в искусстве, в манерах и в том, как вы обращаетесь с людьми, — и ваше обаяние открывает многие двери. Ваша удача растёт в союзах любого рода: в любви, дружбе и делах. Ваша задача — взвешивать собственные потребности так же внимательно, как потребности других. Помогайте охотно, но не растворяйтесь в желании всем угодить. Когда вы соединяете свои интересы с заботой о других, вы обретаете прочный покой.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Наделённые исключительной проницательностью и интуицией, вы видите то, что скрыто под поверхностью людей и событий. Парс Фортуны в Скорпионе позволяет вам угадывать тайные мотивы и невысказанные чувства, и обмануть вас надолго удаётся редко. Вас притягивают тайны жизни, и вы не боитесь взглянуть в лицо тому, чего избегают другие. Эта глубина даёт вам огромную силу в кризис: вы сохраняете спокойствие и сосредоточенность, когда другие теряют голову. Ваше главное сокровище — познание себя: чем честнее вы смотрите внутрь, тем больше силы обретаете. Встречайте свои страхи, не дрогнув, пользуйтесь своей проницательностью бережно, и вы сможете преобразить и себя, и других.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Человек, рождённый с Парсом Фортуны в Стрельце, видит в жизни большое путешествие, и если это о вас, вы счастливее всего, когда узнаёте что-то новое. У вас философский взгляд на мир и естественное стремление находить смысл в том, что с вами происходит. Вы любите делиться знаниями и становитесь щедрым учителем, проводником или рассказчиком. Вас зовут приключения, и удачу вы, возможно, найдёте вдали от дома — в чужих краях, среди людей других культур или в изучении далёких идей. Оптимизм и чувство юмора помогают вам быстро оправляться от неудач. Старайтесь не обещать больше, чем можете выполнить, и твёрдо стойте на земле, пока ваш ум странствует. Следуйте за своим любопытством, и ваши горизонты расширятся.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Обладая поразительной способностью пробиваться сквозь любые препятствия, вы строите свою жизнь шаг за шагом. С Парсом Фортуны в Козероге ваш дар — практические достижения: вы ставите цели, составляете планы и упорно трудитесь, пока не добьётесь своего. Вы умеете закладывать фундамент — для карьеры, семьи или дела, — и то, что вы строите, как правило, служит долго. Ваша целеустремлённость вызывает уважение, и ответственность вам к лицу. Порой вы можете погружаться в инертность, ожидая идеального момента, который так и не наступает. Стряхните её и сделайте первый небольшой шаг: стоит вам сдвинуться с места, и терпение с дисциплиной приведут вас к вершине.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Вы крайне необычный человек, смелый в своих мыслях и непредвзятый в суждениях. С Парсом Фортуны в Водолее вы видите возможности, которые другие упускают, и решаетесь ставить под сомнение правила, утратившие смысл. Вы цените свободу, дружбу и справедливость и судите о людях по их поступкам, а не по происхождению. Сообщества, общие дела и новые технологии раскрывают в вас лучшее, а ваши идеи нередко опережают своё время. Иногда вам может казаться, что вы не вписываетесь или что другие вас не понимают. Примите свою непохожесть как дар, а не как бремя: миру нужны люди, которые думают иначе, и ваше отличие — это ваша удача.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>Парс Фортуны в Рыбах указывает на богатое воображение и загадочное изящество, которое другим трудно описать словами. Отчасти вы живёте в мире грёз и переживаете радости и печали других как свои собственные. Музыка, поэзия, живопись и танец могут говорить с вами глубже, чем слова. Ваша чувствительность — это дар, но ей нужен выход: без него вы можете плыть по течению или чувствовать, что мир вас подавляет. Найдите творческий путь для своих мечтаний и придайте форму тому, что чувствуете. Сострадание и тихая вера хорошо направляют вас, а ваша самая глубокая удача — в духовной полноте, в ощущении причастности к чему-то большему.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Парс Фортуны</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Летнее время Аляски/Гавайев,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Время Аляски/Гавайев,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Военное время Аляски/Гавайев,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Атлантическое время,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Атлантическое военное время,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Летнее время Центр. Австралии,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Центральноавстралийское время,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Летнее время Вост. Австралии,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Восточноавстралийское время,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Летнее время Зап. Австралии,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Западноавстралийское время,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Время Азорских островов, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Багдадское время, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Берингово время,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Бразилия, зона 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>Британское двойное летнее время,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Британское летнее время,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Британское военное время,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Центральное летнее время,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Центральноевропейское летнее время,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Центральноевропейское время,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Центральное время,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Центральное военное время,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Время китайского побережья,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Восточное летнее время,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Восточноевропейское летнее время,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Восточноевропейское время,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Восточное время,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Восточное военное время,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Среднее время по Гринвичу,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Стандартное время Гуама,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Гавайское летнее время,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Гавайское стандартное время,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Гавайское военное время,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Индийское время, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Линия перемены дат, восток,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Линия перемены дат, запад,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Иранское время, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Японское стандартное время,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Время Явы, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Среднеевропейское летнее время,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Среднеевропейское время,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Время Молуккских островов, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Горное летнее время,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Горное время,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Горное военное время,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Летнее время Новой Зеландии,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Новозеландское время,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Летнее время Новой Зеландии,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Время Новой Зеландии,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Время Ньюфаундленда,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Время Нома, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Время Северной Суматры,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Тихоокеанское летнее время,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Тихоокеанское время,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Тихоокеанское военное время,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Летнее время Южной Австралии,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Летнее время Южной Австралии,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Южноавстралийское время,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Южноавстралийское время,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Время Южной Суматры,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Всемирное время, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>СССР, зона 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>СССР, зона 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>СССР, зона 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>СССР, зона 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>СССР, зона 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>Западноафриканское время,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Летнее время Юкона,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Стандартное время Юкона,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Военное время Юкона,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Язык &amp;системы</translation>
    </message>
</context>
</TS>
