<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
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
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>Línea de cambio de fecha, este,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
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
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
</TS>