<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>アプリケーションはすでに実行中です</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>掲示板</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>再販のご案内</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>コブランドのご案内</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>出生地の地方平均時</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>標準時</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>二重夏時間</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>夏時間</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation>（%1 より前は標準時）</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>%1 のタイムゾーン、%2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>%1 に時計が戻され、%2 は 2 回ありました%3。1 回目は %4、2 回目は %5 です。どちらか選んでください:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>%1 に時計が進められ、その地では %2 は存在しませんでした%3。提案: %4（切り替え前の時刻）。</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>タイムゾーンを「%1」に設定します。%2。</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>夏時間にチェックあり</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>夏時間のチェックなし</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>1 回目: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>2 回目: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>PDF を開始できませんでした</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>アセンダント</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>生年月日時</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> 地方時</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>夏時間</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>チェックあり</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>チェックなし</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>世界時</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>出生地</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>緯度、経度</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>最近の出生データ(&amp;B)</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>「%1」にある最近の出生データの一覧は、読み込むことも別に移すこともできませんでした。そのままにしてあり、移動されるまで出生データは記憶されません。</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>最近の出生データのうち %1 件を読み込めませんでした。一覧は「%2」として別に保存し、読み込めた出生データは残してあります。</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>最近の出生データの一覧を読み込めませんでした。「%1」として別に保存し、一覧は空の状態から始まります。</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>最近の出生データの一覧を「%1」に保存できませんでした: %2。Fortunix を終了するまでは保持されます。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ウェブサイトを見る(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>このソフトウェアについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで稼ぐ(&amp;O)</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Qt で作られ、GNU LGPL バージョン 3 の下で使用しています。
地名と座標: GeoNames、CC BY 4.0。
タイムゾーンの履歴: IANA tz データベース、パブリックドメイン。</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはここをクリック</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>このプログラムを自分のブランドで販売することについてのページを開きます</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>鑑定結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>パート・オブ・フォーチュン:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>パート・オブ・フォーチュン</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>解釈</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>出生データの入力に戻ります</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>鑑定結果を PDF で保存</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>「%1」はすでに存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>鑑定結果を「%1」として保存できませんでした: %2。ファイルは書き込まれていません。</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>市区町村を入力してください</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>州・地域を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>国を入力してください</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>パート・オブ・フォーチュンを鑑定する</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>正しい情報を入力して、あなた自身についてもっと知りましょう</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>出生時刻</translation>
    </message>
    <message>
        <source>City</source>
        <translation>市区町村</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州・地域</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北緯</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南緯</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東経</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西経</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>ここをクリックして緯度 &amp;&amp; 経度を調べる</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>文字と空白のみ</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>生まれた月</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>生まれた日</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>生まれた年</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901～2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>生まれた時</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0～23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>生まれた分</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>生まれた秒</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>鑑定には使いません</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>出生地の標準時のタイムゾーン</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>出生時に夏時間が実施されていた場合はチェックしてください</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>緯度（度）</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0～89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>緯度（分）</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0～59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>経度（度）</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0～179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>経度（分）</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>出生地（緯度と経度の検索用）</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>緯度と経度を調べる</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>入力した市区町村、州・地域、国を検索します</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>今すぐウェブサイトを見る</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Vespera Softwares のウェブサイトをブラウザーで開きます</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>友人に紹介する</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>友人の名前</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>友人のメールアドレス</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>空白なし</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>今すぐ友人に紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>今すぐ友人に紹介</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>紹介ページをブラウザーで開きます</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Vespera Softwares のダウンロード</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>ここをクリックして Vespera Softwares へ</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>ソフトウェアカタログを見る</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>緯度と経度を調べる</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>地名と座標: GeoNames (www.geonames.org)、CC BY 4.0。タイムゾーン: IANA tz データベース、パブリックドメイン</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>アトラスに「%1」に一致する場所は見つかりませんでした。
代わりにウェブでその緯度と経度を検索できます。</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>アトラスに「%1」に一致する場所は見つかりませんでした。もしかして:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>「%1」に一致する場所（可能性の高い順）。出生地を選んでください:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>「%1」という国は見つかりません。すべての国の場所を表示しています</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>「%1」では一致するものが見つかりませんでした。ほかの国の場所を表示しています</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>見つかった場所</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>この場所を使う</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>ウェブで検索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>経度の度には 0 から 179 までの値を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>経度の分には 0 から 59 までの値を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>緯度の度には 0 から 89 までの値を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>緯度の分には 0 から 59 までの値を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>正しい日付または月を入力してください！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>正しい日付または月を入力してください</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>数字のみ入力できます</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>文字のみを入力してください</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix は、あなたのフォルトゥナ星座、つまりパート・オブ・フォーチュンの星座を計算します。これは出生図の中で、あなたが幸運と喜び、成功を見いだす場所を示す点です。あなたの星座とその約束を知りましょう。</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Vespera Softwares の掲示板は、アイデアを共有し、答えを見つけられる気軽な場所です。ぜひ今日訪れてみてください！</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>在宅ビジネスのチャンス。このソフトウェアをあなたのブランド名とロゴで再販して自分のインターネットビジネスを始め、利益をすべて手にしましょう。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>このソフトウェアをあなたのサイト仕様に。ご自身のウェブサイトのアドレスとロゴをこのプログラムに入れて訪問者に配りましょう。コピーが広まるたびに、新しい訪問者があなたのサイトを訪れます。</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix は、あなたのフォルトゥナ星座、つまりパート・オブ・フォーチュンがある星座を計算します。パート・オブ・フォーチュンは、太陽、月、アセンダントから求める出生図上の点で、人生のどこに幸運と喜びを見いだすかを示します。</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Vespera Softwares のウェブサイトを見る</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>在宅ビジネスのチャンス。このプログラムをあなたのブランド名で販売し、利益はすべてあなたのものに。今日から在宅ビジネスを始めましょう。</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>このような Vespera Softwares のプログラムは、あなたのような利用者の支えがあってこそ作られ、無料であり続けられます。Vespera Softwares の掲示板を定期的に訪れて参加し、質問し、答え、アイデアを共有して私たちを助けてください。</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>掲示板を定期的に訪れて Vespera Softwares を応援してください。新しい投稿を読み、質問をし、回答でほかのメンバーを助けてください。あなたの訪問が掲示板を活気づけ、私たちのプログラムを無料に保ちます。</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Vespera Softwares の掲示板はどなたでも無料で参加できます。定期的に訪れて、あなたと同じ利用者との会話に参加し、私たちを応援してください。</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>掲示板はあなたの助けを必要としています。定期的に訪れて質問をしたり経験を共有したりして Vespera Softwares を応援してください。そうすれば、すべての利用者にとって活気ある場所に育っていきます。</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>このソフトウェアを気に入っていただけたなら、ほかのプログラムもきっと気に入っていただけます。Vespera Softwares は、家庭やオフィスで使える手軽で便利なプログラムを幅広く提供しています。占星術や数秘術の鑑定、カレンダーやスケジュール帳、文書作成や印刷のツール、パソコンを整理する小さなユーティリティ、子ども向けの学習ゲーム、家族みんなで楽しめるパズルなどです。ほとんどは無料で試すことができ、どれもこのプログラムと同じように丁寧に作られています。小さくてすぐにインストールでき、操作も簡単なので、数分で使い始められます。下のリンクをクリックして全ラインナップをご覧になり、次のお気に入りを見つけてください。</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>はい、今すぐ Vespera Softwares のウェブサイトで便利なプログラムをもっと探します</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>読み込めないファイルを移動できませんでした</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>フォルダーを作成できませんでした</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>このソフトウェアの更新版があるかもしれません<byte value="xd"/>更新を確認しますか?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友人の名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友人のメールアドレス</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>異なるメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>あなたの名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>あなたのメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友人の名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>友人のメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メールアドレスに空白は使えません</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>%1 鑑定結果</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>計算式</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>正午より前の出生: アセンダント + 月 − 太陽</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>正午以降の出生: アセンダント + 太陽 − 月</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · %3 作成</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>出生データを記憶する(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>最近の出生データを消去(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>鑑定結果を PDF で保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>印刷プレビュー(&amp;V)…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>プリンターがインストールされていません。代わりに PDF ファイルとして保存しますか?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>鑑定結果を印刷できませんでした。代わりに PDF ファイルとして保存しますか?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Fortunix 鑑定結果</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>北緯%1</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>南緯%1</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>東経%1</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>西経%1</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>出生地の時刻,%1</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>時:分:秒</translation>
    </message>
</context>
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
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>国際日付変更線 東,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
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
        <source>&amp;System language</source>
        <translation>システムの言語(&amp;S)</translation>
    </message>
</context>
</TS>
