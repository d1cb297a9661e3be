<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_BR">
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
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>Linha de Data, leste,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
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
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
</context>
</TS>