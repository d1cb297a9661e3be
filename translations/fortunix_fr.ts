<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>Débordant d'énergie, vous semblez toujours avoir un pas d'avance sur tout votre entourage. La Part de Fortune en Bélier vous donne le courage d'un pionnier : vous n'êtes jamais aussi heureux que lorsque vous ouvrez une route que personne n'a encore empruntée, et votre enthousiasme entraîne les autres dans votre sillage. Les commencements vous réussissent, qu'il s'agisse d'un nouveau projet, d'un nouveau foyer ou d'une idée encore jamais tentée, et la chance vient à vous quand vous agissez avec audace. Mais ce même feu peut vous rendre impatient, prompt à commencer et lent à terminer. Apprenez à marquer une pause avant de vous élancer, et laissez les autres suivre votre rythme. Si vous consacrez votre énergie à un seul objectif clair à la fois, votre élan deviendra une force durable et non une étincelle passagère.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Vous êtes doté d'un bel aplomb et d'un calme que les autres trouvent rassurant. Avec la Part de Fortune en Taureau, votre bonne fortune grandit lentement mais sûrement, comme un jardin cultivé avec soin. Votre endurance est grande : là où d'autres abandonnent, vous persévérez, et votre patience transforme de modestes débuts en résultats solides. Vous aimez la beauté, le confort et les plaisirs simples de la bonne chère, de la musique et de la nature, et vous donnez le meilleur de vous-même lorsque vous vous sentez en sécurité. Votre constance peut toutefois tourner à l'entêtement, et il vous arrive de vous accrocher à de vieilles rancunes ou à des habitudes bien après qu'elles ont cessé de vous servir. Tournez la page du passé, évitez ce qui vous nuit ou nuit aux autres, et votre sérénité vous mènera loin.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Tel un enfant curieux qui demande pourquoi le ciel est bleu, vous abordez le monde avec des questions sans fin. La Part de Fortune en Gémeaux vous donne un esprit vif, la parole facile et la souplesse nécessaire pour mener de front de nombreuses tâches. Vous apprenez vite, vous vous adaptez sans peine et pouvez converser avec presque tout le monde, ce qui vous vaut des amis et des occasions partout où vous allez. Votre esprit et votre humour égaient n'importe quelle pièce. La chance vous vient par les mots, les voyages, le courrier et les échanges d'idées animés. Méfiez-vous de l'orgueil que vous inspire votre propre intelligence : il peut vous faire dédaigner ce que savent les autres. Quand vos pensées partent dans tous les sens, fiez-vous à votre intuition : elle trouve souvent le chemin avant votre raison.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Vous êtes doté de qualités maternelles comme la compassion, la tendresse et un profond désir de protéger ceux que vous aimez. Avec la Part de Fortune en Cancer, votre bonheur naît du soin que vous prenez des autres et d'un foyer où chacun se sent en sécurité. Vous percevez l'humeur de votre famille et de vos amis et savez les réconforter sans beaucoup de mots. Votre fidélité est profonde et constante. Vous trouvez une joie véritable à donner naissance, que ce soit à des enfants ou à des idées et des projets que vous nourrissez jusqu'à ce qu'ils puissent voler de leurs propres ailes. N'oubliez pas de prendre soin de vous avec la même chaleur que vous accordez aux autres, afin que votre bonté ne se tarisse jamais.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Incarnation de l'optimisme, de la vivacité et d'une énergie débordante, vous illuminez les lieux où vous entrez. La Part de Fortune en Lion vous donne de la chaleur et une présence naturelle qui attire les gens, et votre assurance aide les autres à croire en eux. Vous êtes généreux de votre temps, de vos éloges et de vos ressources, et vous prenez plaisir à voir les autres briller. Le travail créatif, le jeu et le commandement font ressortir le meilleur de vous-même. Votre intégrité est l'un de vos plus beaux dons : on vous fait confiance parce que vous tenez parole. Laissez parler votre cœur, mais partagez volontiers la scène, et l'admiration que vous gagnerez sera durable et bien méritée.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Celui dont la Part de Fortune est en Vierge recherche la perfection en toute chose, et si c'est votre cas, vous connaissez le plaisir discret d'une tâche bien faite. Vous aimez l'ordre et la discipline, et vous apportez de la méthode là où les autres ne voient que confusion. Votre sens pratique est un véritable don : vous remarquez le petit détail qui fait réussir un projet, et vous êtes heureux de vous rendre utile à votre entourage. La chance vous sourit à travers le travail soigné, le service, la santé et les habitudes du quotidien. Vos exigences élevées peuvent toutefois se retourner contre vous, en inquiétude ou en autocritique, et vous risquez de garder de vieilles blessures pendant des années. Pardonnez-vous et pardonnez aux autres, laissez les anciennes blessures guérir, et votre bon sens vous servira bien.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Avoir la Part de Fortune en Balance signifie un don pour la diplomatie, l'harmonie et la grâce, et vous avancez dans la vie en quête d'équilibre. Vous voyez les deux côtés d'une question et savez amener des adversaires à un accord équitable ; aussi les autres se tournent-ils souvent vers vous pour régler leurs différends. La beauté compte pour vous, dans l'art, dans les manières et dans la façon dont vous traitez les gens, et votre charme ouvre bien des portes. C'est dans les associations de toute sorte, en amour, en amitié comme en affaires, que votre bonne fortune grandit. Votre défi est de peser vos propres besoins avec autant de soin que ceux des autres. Aidez volontiers, mais ne vous perdez pas à vouloir plaire. Lorsque vous conciliez vos intérêts avec l'attention portée aux autres, vous trouvez une paix durable.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Doté d'un pouvoir de perception et d'une intuition exceptionnels, vous voyez au-delà de la surface des êtres et des événements. La Part de Fortune en Scorpion vous fait deviner les motifs cachés et les sentiments inavoués, et l'on vous trompe rarement longtemps. Les mystères de la vie vous attirent, et vous ne craignez pas d'affronter ce que d'autres évitent. Cette profondeur vous donne une grande force dans l'épreuve : vous restez calme et concentré quand les autres perdent la tête. Votre plus grand trésor est la connaissance de vous-même : plus vous regardez en vous avec honnêteté, plus vous gagnez en puissance. Affrontez vos peurs sans faiblir, usez de votre clairvoyance avec prudence, et vous pourrez vous transformer, et transformer les autres.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Celui qui naît avec la Part de Fortune en Sagittaire voit la vie comme un grand voyage, et si c'est votre cas, vous n'êtes jamais aussi heureux que lorsque vous apprenez quelque chose de nouveau. Vous avez un regard philosophique et un besoin naturel de trouver un sens à ce qui vous arrive. Vous aimez partager ce que vous apprenez, et vous faites un enseignant, un guide ou un conteur généreux. L'aventure vous appelle, et vous trouverez peut-être la chance loin de chez vous, en terre étrangère, parmi des gens d'autres cultures ou dans l'étude d'idées lointaines. Votre optimisme et votre sens de l'humour vous aident à vous relever vite des revers. Veillez à ne pas promettre plus que vous ne pouvez tenir, et gardez les pieds sur terre pendant que votre esprit vagabonde. Suivez votre curiosité, et vos horizons s'élargiront.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Doté d'une capacité phénoménale à vous frayer un chemin à travers les obstacles, vous bâtissez votre vie pas à pas. Avec la Part de Fortune en Capricorne, votre don est la réussite concrète : vous vous fixez des objectifs, faites des plans et travaillez avec constance jusqu'à les atteindre. Vous savez poser des fondations solides, pour une carrière, une famille ou une entreprise, et ce que vous construisez est fait pour durer. Votre détermination force le respect, et les responsabilités vous vont bien. Il vous arrive parfois de sombrer dans l'inertie, en attendant un moment parfait qui ne vient jamais. Secouez-vous et faites le premier petit pas : une fois en mouvement, votre patience et votre discipline vous porteront jusqu'au sommet.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Vous êtes profondément anticonformiste, en avance dans votre pensée et ouvert dans votre jugement. Avec la Part de Fortune en Verseau, vous voyez des possibilités qui échappent aux autres, et vous osez remettre en question les règles qui n'ont plus de sens. Vous tenez à la liberté, à l'amitié et à l'équité, et vous jugez les gens sur ce qu'ils font, non sur leurs origines. Les groupes, les causes et les nouvelles technologies font ressortir le meilleur de vous, et vos idées ont souvent une longueur d'avance sur leur temps. Il vous arrive de sentir que vous n'êtes pas à votre place, ou que les autres ne vous comprennent pas. Acceptez votre singularité comme un don et non comme un fardeau : le monde a besoin de gens qui pensent autrement, et votre différence est votre chance.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>La Part de Fortune en Poissons révèle une imagination riche et une élégance énigmatique que les autres peinent à décrire. Vous vivez en partie dans un monde de rêves, et vous ressentez les joies et les peines des autres comme si elles étaient les vôtres. La musique, la poésie, la peinture et la danse vous parlent peut-être plus profondément que les mots. Votre sensibilité est un don, mais elle a besoin d'un exutoire : sans lui, vous risquez de vous laisser dériver ou d'être submergé par le monde. Trouvez une voie créative pour vos rêves et donnez forme à ce que vous ressentez. La compassion et une foi paisible vous guident bien, et votre bonheur le plus profond réside dans l'épanouissement spirituel, dans le sentiment de faire partie de quelque chose de plus grand.</translation>
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
        <translation>Heure d'été de l'Alaska/Hawaï,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Heure normale de l'Alaska/Hawaï,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Heure de guerre Alaska/Hawaï,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Heure normale de l'Atlantique,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Heure de guerre de l'Atlantique,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Heure d'été du Centre australien,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Heure normale du Centre australien,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Heure d'été de l'Est australien,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Heure normale de l'Est australien,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Heure d'été de l'Ouest australien,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Heure normale de l'Ouest australien,AWST,+8.0</translation>
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
        <translation>Double heure d'été britannique,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>Heure d'été britannique,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>Heure de guerre britannique,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Heure d'été du Centre,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Heure d'été d'Europe centrale,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Heure d'Europe centrale,CET,+1.0</translation>
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
        <translation>Heure d'été de l'Est,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Heure d'été d'Europe de l'Est,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Heure d'Europe de l'Est,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Heure normale de l'Est,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Heure de guerre de l'Est,EWT,-4.0</translation>
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
        <translation>Heure d'été d'Hawaï,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Heure normale d'Hawaï,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Heure de guerre d'Hawaï,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Heure de l'Inde, IST, +5.3</translation>
    </message>
    <message>
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>Ligne de date, est,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
        <translation>Ligne de date, ouest,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Heure de l'Iran, IT, +3.5</translation>
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
        <translation>Heure d'été d'Europe moyenne,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Heure d'Europe moyenne,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Heure des Moluques, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Heure d'été des Rocheuses,MDT,-6.0</translation>
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
        <translation>Heure d'été de Nouvelle-Zélande,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Heure normale de Nouvelle-Zélande,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Heure d'été de Nouvelle-Zélande,NZS,+12.5</translation>
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
        <translation>Heure d'été du Pacifique,PDT,-7.0</translation>
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
        <translation>Heure d'été d'Australie-Méridionale,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Heure d'été d'Australie-Méridionale,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Heure normale d'Australie-Méridionale,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Heure normale d'Australie-Méridionale,SAT,+9.5</translation>
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
        <translation>Heure d'Afrique de l'Ouest,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Heure d'été du Yukon,YDT,-8.0</translation>
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
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
</context>
</TS>