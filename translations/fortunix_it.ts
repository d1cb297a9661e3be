<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it">
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>Traboccante di energia, sembri sempre un passo avanti a tutti quelli che ti circondano. La Parte di Fortuna in Ariete ti dona il coraggio di un pioniere: sei felice soprattutto quando apri una strada che nessuno ha mai percorso, e il tuo entusiasmo trascina gli altri con te. I nuovi inizi ti si addicono, che si tratti di un progetto appena nato, di una nuova casa o di un'idea mai sperimentata, e la fortuna ti viene incontro quando agisci con audacia. Eppure lo stesso fuoco può renderti impaziente, pronto a cominciare e lento a finire. Impara a fermarti un attimo prima di lanciarti, e lascia che gli altri tengano il tuo passo. Se incanali la tua energia verso un solo obiettivo chiaro alla volta, il tuo slancio diventerà una forza duratura e non una scintilla passeggera.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Hai un notevole equilibrio e una calma che gli altri trovano rassicurante. Con la Parte di Fortuna in Toro, la tua fortuna cresce lentamente ma con sicurezza, come un giardino curato con amore. Hai una grande resistenza: dove gli altri si arrendono, tu vai avanti, e la tua pazienza trasforma inizi modesti in risultati solidi. Ami la bellezza, le comodità e i piaceri semplici della buona tavola, della musica e della natura, e dai il meglio di te quando ti senti al sicuro. La tua costanza, però, può trasformarsi in testardaggine, e forse resti aggrappato a vecchi rancori o abitudini molto tempo dopo che hanno smesso di esserti utili. Lascia andare il passato, evita le strade che fanno male a te o agli altri, e la tua calma ti porterà lontano.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Come un bambino curioso che chiede perché il cielo è azzurro, affronti il mondo con domande infinite. La Parte di Fortuna in Gemelli ti dona una mente pronta, la parola facile e la versatilità per destreggiarti tra molti compiti insieme. Impari in fretta, ti adatti con facilità e sai parlare con quasi chiunque, e questo ti procura amici e occasioni ovunque tu vada. Il tuo spirito e il tuo umorismo rallegrano qualsiasi ambiente. La fortuna ti arriva attraverso le parole, i viaggi, le lettere e un vivace scambio di idee. Guardati dall'orgoglio per la tua intelligenza, perché può portarti a sottovalutare ciò che sanno gli altri. Quando i tuoi pensieri corrono in molte direzioni, fidati dell'intuito: spesso trova la strada prima della ragione.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Sei dotato di qualità materne come la compassione, la tenerezza e un profondo desiderio di proteggere le persone che ami. Con la Parte di Fortuna in Cancro, la tua felicità nasce dal prenderti cura degli altri e dal creare una casa in cui tutti si sentano al sicuro. Percepisci l'umore della tua famiglia e dei tuoi amici e sai consolarli senza bisogno di molte parole. La tua lealtà è profonda e costante. Provi una gioia autentica nel mettere al mondo, che si tratti di figli o di idee e progetti che nutri finché non sanno camminare da soli. Ricordati di prenderti cura di te con lo stesso affetto che riservi agli altri, perché la tua bontà non si esaurisca mai.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>Sei l'immagine stessa dell'ottimismo, della vivacità e di un'energia travolgente, e illumini i luoghi in cui entri. La Parte di Fortuna in Leone ti dona calore e una presenza naturale che attira le persone, e la tua sicurezza aiuta gli altri a credere in se stessi. Sei generoso con il tuo tempo, con le tue lodi e con le tue risorse, e ti piace veder brillare gli altri. Il lavoro creativo, il gioco e il comando tirano fuori il meglio di te. La tua integrità è uno dei tuoi doni più grandi: la gente si fida di te perché mantieni la parola data. Lascia che sia il cuore a guidarti, ma condividi volentieri la scena, e l'ammirazione che conquisterai sarà duratura e meritata.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Chi ha la Parte di Fortuna in Vergine cerca la perfezione in ogni cosa, e se questo è il tuo caso conosci il piacere silenzioso di un lavoro fatto bene. Ami l'ordine e la disciplina, e porti metodo dove gli altri vedono solo confusione. Il tuo senso pratico è un vero dono: noti il piccolo dettaglio che fa funzionare un piano, e sei felice di renderti utile a chi ti sta intorno. La buona sorte ti arriva attraverso il lavoro accurato, il servizio agli altri, la salute e le abitudini quotidiane. I tuoi standard elevati, però, possono rivolgersi contro di te, in forma di ansia o di autocritica, e potresti portarti dietro vecchie ferite per anni. Perdona te stesso e gli altri, lascia che le vecchie ferite guariscano, e il tuo buon senso ti servirà bene.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Avere la Parte di Fortuna in Bilancia significa possedere un talento per la diplomazia, l'armonia e la grazia, e attraversi la vita in cerca di equilibrio. Vedi entrambi i lati di una questione e sai condurre chi è in contrasto a un accordo equo, perciò gli altri si rivolgono spesso a te per risolvere le loro liti. La bellezza conta per te, nell'arte, nei modi e nel modo in cui tratti le persone, e il tuo fascino apre molte porte. È nei rapporti di ogni genere, in amore, in amicizia e negli affari, che la tua fortuna cresce. La tua sfida è soppesare i tuoi bisogni con la stessa cura che dedichi a quelli degli altri. Aiuta volentieri, ma non perderti nel tentativo di accontentare tutti. Quando concili i tuoi interessi con l'attenzione per gli altri, trovi una pace duratura.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Dotato di un eccezionale potere di percezione e di intuizione, vedi sotto la superficie delle persone e degli eventi. La Parte di Fortuna in Scorpione ti fa cogliere motivi nascosti e sentimenti taciuti, e raramente qualcuno riesce a ingannarti a lungo. I misteri della vita ti attraggono, e non hai paura di affrontare ciò che gli altri evitano. Questa profondità ti dà una grande forza nei momenti di crisi, quando resti calmo e concentrato mentre gli altri perdono la testa. Il tuo tesoro più grande è la conoscenza di te stesso: più guardi dentro di te con sincerità, più potere acquisti. Affronta le tue paure senza indietreggiare, usa la tua intuizione con cura, e potrai trasformare te stesso e gli altri.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Chi nasce con la Parte di Fortuna in Sagittario vede la vita come un grande viaggio, e se questo è il tuo caso sei felice soprattutto quando impari qualcosa di nuovo. Hai uno sguardo filosofico e un bisogno naturale di trovare un senso in ciò che ti accade. Ami condividere ciò che impari, e sei un insegnante, una guida o un narratore generoso. L'avventura ti chiama, e potresti trovare la tua fortuna lontano da casa, in terre straniere, tra persone di altre culture o nello studio di idee lontane. Il tuo ottimismo e il tuo senso dell'umorismo ti aiutano a riprenderti presto dalle battute d'arresto. Fai attenzione a non promettere più di quanto puoi mantenere, e tieni i piedi per terra mentre la mente vaga. Segui la tua curiosità, e i tuoi orizzonti si allargheranno.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Possiedi una capacità straordinaria di farti strada tra gli ostacoli, e costruisci la tua vita passo dopo passo. Con la Parte di Fortuna in Capricorno, il tuo dono è la realizzazione concreta: ti dai degli obiettivi, fai dei piani e lavori con costanza finché non li raggiungi. Sai gettare le fondamenta, per una carriera, una famiglia o un'impresa, e ciò che costruisci tende a durare. La tua determinazione ti guadagna rispetto, e le responsabilità ti stanno bene addosso. A volte rischi di scivolare nell'inerzia, in attesa di un momento perfetto che non arriva mai. Scuotiti e fai il primo piccolo passo: una volta in movimento, pazienza e disciplina ti porteranno fino in cima.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Sei estremamente anticonformista, avanti nel pensiero e aperto nei giudizi. Con la Parte di Fortuna in Acquario vedi possibilità che agli altri sfuggono, e osi mettere in discussione le regole che non hanno più senso. Tieni alla libertà, all'amicizia e all'equità, e giudichi le persone per quello che fanno, non per la loro provenienza. I gruppi, le cause e le nuove tecnologie tirano fuori il meglio di te, e le tue idee sono spesso in anticipo sui tempi. A volte potresti sentirti fuori posto, o avere l'impressione che gli altri non ti capiscano. Accetta la tua diversità come un dono, non come un peso: il mondo ha bisogno di persone che pensano in modo diverso, e la tua differenza è la tua fortuna.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>La Parte di Fortuna in Pesci indica un'immaginazione ricca e un'eleganza enigmatica che gli altri faticano a descrivere. Vivi in parte in un mondo di sogni, e senti le gioie e i dolori degli altri come se fossero tuoi. La musica, la poesia, la pittura e la danza possono parlarti più a fondo delle parole. La tua sensibilità è un dono, ma ha bisogno di uno sbocco: senza, rischi di andare alla deriva o di sentirti sopraffatto dal mondo. Trova una strada creativa per i tuoi sogni e dai forma a ciò che senti. La compassione e una fede serena ti guidano bene, e la tua fortuna più profonda sta nella realizzazione spirituale, nella sensazione di far parte di qualcosa di più grande.</translation>
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
        <translation>Ora legale dell'Alaska/Hawaii,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Ora solare dell'Alaska/Hawaii,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Ora di guerra dell'Alaska/Hawaii,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Ora solare dell'Atlantico,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Ora di guerra dell'Atlantico,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Ora legale dell'Australia centrale,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Ora solare dell'Australia centrale,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Ora legale dell'Australia orientale,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Ora solare dell'Australia orientale,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Ora legale dell'Australia occidentale,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Ora solare dell'Australia occidentale,AWST,+8.0</translation>
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
        <translation>Ora legale dell'Europa centrale,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Ora dell'Europa centrale,CET,+1.0</translation>
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
        <translation>Ora legale dell'Europa orientale,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Ora dell'Europa orientale,EET,+2.0</translation>
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
        <translation>Ora dell'India, IST, +5.3</translation>
    </message>
    <message>
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>Linea del cambio di data, est,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
        <translation>Linea del cambio di data, ovest,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>Ora dell'Iran, IT, +3.5</translation>
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
        <translation>Ora legale dell'Europa media,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Ora dell'Europa media,MET,+1.0</translation>
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
        <translation>Ora legale dell'Australia Meridionale,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Ora legale dell'Australia Meridionale,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Ora solare dell'Australia Meridionale,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Ora solare dell'Australia Meridionale,SAT,+9.5</translation>
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
        <translation>Ora dell'Africa occidentale,WAT,-1.0</translation>
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
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
</context>
</TS>