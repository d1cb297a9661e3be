<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>エネルギーに満ちあふれたあなたは、いつも周りの誰よりも一歩先を歩いているように見えます。牡羊座のパート・オブ・フォーチュンは、あなたに開拓者の勇気を授けます。まだ誰も歩いたことのない道を切り開くとき、あなたは最も幸せを感じ、その情熱は周りの人々をも巻き込んでいきます。新しいプロジェクト、新しい住まい、まだ試されていないアイデアなど、物事の始まりはあなたによく似合い、思い切って行動するときに幸運が訪れます。けれども同じ炎が、始めるのは早くても終えるのは遅いという、せっかちさを生むこともあります。飛び出す前にひと呼吸おくこと、そして周りの人があなたの歩みについて来られるよう配慮することを覚えましょう。一度にひとつの明確な目標へ力を注げば、あなたの推進力は一瞬の火花ではなく、長く続く強さになります。</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>あなたは際立った落ち着きと、周りの人を安心させる穏やかさに恵まれています。牡牛座のパート・オブ・フォーチュンを持つあなたの幸運は、丹精込めて手入れされた庭のように、ゆっくりと、しかし確実に育っていきます。忍耐力も抜群で、ほかの人があきらめるところでもあなたは歩みを止めず、その粘り強さがささやかな始まりを確かな成果へと変えていきます。美しいもの、心地よさ、そしておいしい食事や音楽、自然といった素朴な楽しみを愛し、安心できる環境でこそ本領を発揮します。ただし、その揺るぎなさが頑固さに変わり、役に立たなくなった昔の恨みや習慣にいつまでもしがみついてしまうこともあるでしょう。過去を手放し、自分や他人を傷つける道を避ければ、その穏やかさがあなたを遠くまで運んでくれます。</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>空はなぜ青いのかと尋ねる好奇心いっぱいの子どものように、あなたは尽きることのない問いを抱えて世界と向き合います。双子座のパート・オブ・フォーチュンは、あなたに素早い頭の回転と巧みな話術、そしていくつもの仕事を同時にこなす器用さを与えます。覚えが早く、どんな状況にもすぐになじみ、ほとんど誰とでも打ち解けられるので、行く先々で友人やチャンスに恵まれます。あなたの機知とユーモアはその場を明るくします。幸運は、言葉や旅、手紙、そして活発な意見の交換を通じてやって来ます。自分の賢さを鼻にかけないよう気をつけましょう。それは他人の知恵を軽んじることにつながりかねません。考えがあちこちへ駆け巡るときは、直感を信じてください。理屈よりも先に、直感が道を見つけてくれることがよくあります。</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>あなたは思いやりや優しさ、そして愛する人を守りたいという深い願いといった、母性的な資質に恵まれています。蟹座のパート・オブ・フォーチュンを持つあなたの幸せは、人を大切に世話することや、誰もが安心して過ごせる家庭を築くことから育まれます。家族や友人の気持ちの揺れを敏感に感じ取り、多くを語らずとも慰めることができます。あなたの誠実さは深く、揺らぐことがありません。子どもであれ、ひとり立ちできるまで大切に育てるアイデアや計画であれ、何かを生み出すことに本当の喜びを見いだします。人を思いやるのと同じくらい温かく自分自身もいたわることを忘れずに。そうすれば、あなたの優しさが枯れることはありません。</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>楽観、快活さ、そしてあふれるエネルギーの化身のようなあなたは、足を踏み入れた場所をぱっと明るくします。獅子座のパート・オブ・フォーチュンは、あなたに温かさと人を引き寄せる天性の存在感を与え、その自信が周りの人にも自分を信じる勇気を与えます。あなたは時間も称賛も持てるものも惜しみなく分け与え、ほかの人が輝く姿を見ることに喜びを感じます。創作活動や遊び、リーダーシップがあなたの最良の面を引き出します。誠実さはあなたの最大の才能のひとつです。約束を守るからこそ、人はあなたを信頼するのです。心の導くままに進みつつも、舞台の中心を快くほかの人とも分かち合いましょう。そうして得られる称賛は、長く続き、それにふさわしいものとなるでしょう。</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>乙女座にパート・オブ・フォーチュンを持つ人は何事にも完璧を求めます。もしあなたがそうなら、きちんと仕上げた仕事がもたらす静かな喜びをよくご存じでしょう。秩序と規律を愛し、ほかの人が混乱しか見ないところに筋道を通します。あなたの実務的な感覚は本物の才能です。計画の成否を分ける小さな点に気づき、周りの人の役に立てることを喜びとします。幸運は、丁寧な仕事、人への奉仕、健康、そして日々の習慣を通じて訪れます。ただし、高い基準が自分に向かうと、心配や自己批判に変わりかねず、古い心の傷を何年も抱え続けてしまうこともあります。自分も他人も許し、古い傷を癒やしてあげましょう。そうすれば、あなたの良識が大いに役立ってくれます。</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>天秤座にパート・オブ・フォーチュンがあることは、外交、調和、優雅さの才能を意味し、あなたは人生の中で常にバランスを探し求めています。物事の両面を見て、対立する人々を公平な合意へ導くことができるので、争いごとの仲裁を頼まれることもよくあるでしょう。芸術でも、礼儀作法でも、人への接し方でも、あなたは美しさを大切にし、その魅力が多くの扉を開きます。恋愛、友情、仕事など、あらゆるパートナーシップの中であなたの幸運は育ちます。あなたの課題は、他人の望みと同じくらい丁寧に、自分自身の望みも量ることです。喜んで人を助けても、人を喜ばせることに自分を見失わないでください。自分の思いと他者への気遣いを釣り合わせたとき、あなたは長く続く安らぎを見いだします。</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>並外れた洞察力と直感に恵まれたあなたは、人や出来事の表面の奥にあるものを見抜きます。蠍座のパート・オブ・フォーチュンは、隠された動機や口にされない感情を感じ取る力を与え、あなたを長くだまし通せる人はほとんどいません。人生の神秘に心ひかれ、ほかの人が目を背けるものにも臆せず向き合います。この深さは危機のときに大きな力となり、周りが取り乱す中でもあなたは冷静に集中を保てます。あなたの最大の宝は自分自身を知ることです。正直に内面を見つめるほど、あなたはより大きな力を得ます。ひるまずに恐れと向き合い、その洞察を慎重に用いれば、あなたは自分自身も周りの人も変えていくことができるでしょう。</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>射手座にパート・オブ・フォーチュンを持って生まれた人は、人生を壮大な旅と見なします。もしあなたがそうなら、何か新しいことを学んでいるときが一番幸せでしょう。あなたには哲学的なものの見方と、身に起こることに意味を見いだそうとする自然な欲求があります。学んだことを人と分かち合うのが好きで、気前のよい教師や案内役、語り手になります。冒険があなたを呼んでいます。幸運は故郷から遠く離れた異国の地で、異なる文化の人々の間で、あるいははるかな思想の探究の中で見つかるかもしれません。楽観的な心とユーモアのセンスのおかげで、つまずいてもすぐに立ち直れます。果たせる以上の約束をしないよう気をつけ、心が自由に旅をする間も足はしっかり地につけておきましょう。好奇心の赴くままに進めば、あなたの視野はどこまでも広がっていきます。</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>障害をものともせずに道を切り開く驚くべき力を持つあなたは、一歩一歩人生を築いていきます。山羊座のパート・オブ・フォーチュンがもたらす才能は、実際的な成果を上げる力です。目標を定め、計画を立て、やり遂げるまでこつこつと努力を重ねます。仕事でも家庭でも事業でも、土台を築くのが得意で、あなたが築いたものは長く残る傾向があります。その決断力は人々の尊敬を集め、責任ある立場もよく似合います。ときには、決して訪れない完璧な瞬間を待って、惰性に沈み込んでしまうこともあるかもしれません。そんなときは気持ちを振り払い、小さな一歩を踏み出しましょう。いったん動き出せば、忍耐と規律があなたを頂上まで導いてくれます。</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>あなたはとても型破りで、考え方が進んでおり、偏見のない判断ができる人です。水瓶座のパート・オブ・フォーチュンを持つあなたは、ほかの人が見落とす可能性に気づき、もはや意味をなさなくなった決まりごとに疑問を投げかける勇気を持っています。自由、友情、公正さを重んじ、人を出自ではなく行いで判断します。仲間や社会的な活動、新しい技術があなたの最良の面を引き出し、そのアイデアはしばしば時代の先を行きます。ときには、自分はどこにもなじめない、周りに理解されていないと感じることもあるでしょう。人と違うことを重荷ではなく贈り物として受け入れてください。世界には違う考え方をする人が必要であり、あなたのその違いこそがあなたの幸運なのです。</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>魚座のパート・オブ・フォーチュンは、豊かな想像力と、ほかの人には言葉にしがたい謎めいた優雅さを示しています。あなたは半ば夢の世界に生きていて、人の喜びや悲しみを自分のことのように感じ取ります。音楽、詩、絵画、ダンスは、言葉よりも深くあなたの心に語りかけるかもしれません。その繊細さは才能ですが、表に出す場所を必要とします。それがないと、流されるままになったり、世の中に圧倒されたりしてしまうかもしれません。夢を生かせる創造的な道を見つけ、感じたことに形を与えましょう。思いやりと静かな信仰があなたをよく導き、あなたの最も深い幸運は、精神的な充足、つまり自分がより大きな何かの一部であるという感覚の中にあります。</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>パート・オブ・フォーチュン</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>牡羊座</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>牡牛座</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>双子座</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>蟹座</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>獅子座</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>乙女座</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>天秤座</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>蠍座</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>射手座</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>山羊座</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>水瓶座</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>魚座</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>アラスカ・ハワイ夏時間,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>アラスカ・ハワイ標準時,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>アラスカ・ハワイ戦時時間,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>大西洋標準時,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>大西洋戦時時間,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>オーストラリア中部夏時間,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>オーストラリア中部標準時,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>オーストラリア東部夏時間,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>オーストラリア東部標準時,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>オーストラリア西部夏時間,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>オーストラリア西部標準時,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>アゾレス時間, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>バグダッド時間, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>ベーリング標準時,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ブラジル第2ゾーン,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>英国二重夏時間,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>英国夏時間,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>英国戦時時間,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>北米中部夏時間,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>中央ヨーロッパ夏時間,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>中央ヨーロッパ時間,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>北米中部標準時,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>北米中部戦時時間,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>中国沿岸時間,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>北米東部夏時間,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>東ヨーロッパ夏時間,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>東ヨーロッパ時間,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>北米東部標準時,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>北米東部戦時時間,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>グリニッジ標準時,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>グアム標準時,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>ハワイ夏時間,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>ハワイ標準時,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>ハワイ戦時時間,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>インド時間, IST, +5.3</translation>
    </message>
    <message>
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>国際日付変更線 東,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
        <translation>国際日付変更線 西,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>イラン時間, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>日本標準時,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>ジャワ時間, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>中部ヨーロッパ夏時間,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>中部ヨーロッパ時間,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>モルッカ諸島時間, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>北米山地夏時間,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>北米山地標準時,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>北米山地戦時時間,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ニュージーランド夏時間,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ニュージーランド標準時,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ニュージーランド夏時間,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ニュージーランド時間,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ニューファンドランド標準時,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>ノーム時間, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>北スマトラ時間,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>北米太平洋夏時間,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>北米太平洋標準時,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>北米太平洋戦時時間,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>南オーストラリア夏時間,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>南オーストラリア夏時間,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>南オーストラリア標準時,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>南オーストラリア標準時,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>南スマトラ時間,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>世界時, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>ソ連第10ゾーン,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>ソ連第3ゾーン,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>ソ連第4ゾーン,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>ソ連第5ゾーン,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>ソ連第6ゾーン,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>西アフリカ時間,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ユーコン夏時間,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ユーコン標準時,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ユーコン戦時時間,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
</context>
</TS>