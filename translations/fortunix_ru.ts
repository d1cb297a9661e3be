<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
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
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>Линия перемены дат, восток,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
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
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
</context>
</TS>