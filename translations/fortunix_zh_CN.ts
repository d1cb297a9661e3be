<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>讨论区</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>转售计划</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>联合品牌计划</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>出生地的地方平均时</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>标准时间</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>双重夏令时</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>夏令时</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation>（%1 之前实行标准时间）</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>%1 的时区，%2：%3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>%1 时钟回拨，%2 出现了两次%3：第一次是 %4，第二次是 %5。请选择：</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>%1 时钟拨快，当地不存在 %2%3。建议：%4，即调整前的时间。</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>把时区设为“%1”，%2。</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>勾选了夏令时</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>未勾选夏令时</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>第一次：</translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>第二次：</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>无法开始生成 PDF</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>上升点</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>出生</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> 当地时间</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>夏令时</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>世界时</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>出生地</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>纬度、经度</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>最近的出生信息(&amp;B)</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>“%1”中的最近出生信息列表既无法读取，也无法移开。它保持原样，在它被移走之前不会再记住出生信息。</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>有 %1 条最近的出生信息无法读取。列表已另存为“%2”，能读取的出生信息已保留。</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>无法读取最近的出生信息列表。它已另存为“%1”，列表从空白开始。</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>无法把最近的出生信息列表保存到“%1”：%2。在 Fortunix 关闭前会一直保留。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐助(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>网上赚钱(&amp;O)</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>使用 Qt 构建，依据 GNU LGPL 第 3 版使用。
地名和坐标：GeoNames，CC BY 4.0。
时区历史：IANA tz 数据库，公有领域。</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>更多详情</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>点击这里了解详情</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>打开关于以你自己的品牌销售本程序的页面</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>复制解读(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>幸运点：</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>幸运点</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>解读</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>返回出生信息</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>将解读另存为 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>“%1”已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>无法将解读保存为“%1”：%2。没有写入任何文件。</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>请输入城市</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>请输入省州</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>请输入国家</translation>
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
        <translation>获取我的幸运点解读</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>请输入正确的信息，更多地了解自己</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>出生时间</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>State</source>
        <translation>省州</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北纬</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南纬</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东经</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西经</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>点击这里查找纬度 &amp;&amp; 经度</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>仅限字母和空格</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>出生月份</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>出生日</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>出生年份</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901 到 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>出生时</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 到 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>出生分钟</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>出生秒</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>解读中不使用</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>出生地的标准时区</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>如果出生时实行夏令时，请勾选</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>纬度（度）</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0 到 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>纬度（分）</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 到 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>经度（度）</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0 到 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>经度（分）</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>出生地，用于查找其纬度和经度</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>查找纬度和经度</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>查找输入的城市、省州和国家</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>立即访问网站</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>在浏览器中打开 Vespera Softwares 网站</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>结束程序</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的姓名</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>你的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>不能有空格</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐给朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>立即推荐给朋友</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>在浏览器中打开推荐页面</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>你的留言</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>下载 Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>点击这里访问 Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>访问软件目录</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>查找纬度和经度</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>地名和坐标：GeoNames (www.geonames.org)，CC BY 4.0。时区：IANA tz 数据库，公有领域</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>地图集中没有找到与“%1”相符的地点。
你可以改为在网上搜索它的纬度和经度。</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>地图集中没有找到与“%1”相符的地点。你是不是要找：</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>与“%1”相符的地点，可能性最大的在前。请选择你的出生地：</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>未知国家“%1”；显示所有国家的地点</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>在“%1”中没有找到相符的结果；显示其他国家的地点</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>找到的地点</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>使用此地点</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>在网上搜索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>请输入姓名</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>经度的度数请输入 0 到 179 之间的值</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>经度的分数请输入 0 到 59 之间的值</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>纬度的度数请输入 0 到 89 之间的值</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>纬度的分数请输入 0 到 59 之间的值</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>请输入正确的日期或月份</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>只能输入数字</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>请只输入字母</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix 会计算你的幸运星座，即你的幸运点所在的星座。幸运点是出生星盘上显示你在哪里找到好运、喜悦和成功的点。了解你的星座和它的承诺吧。</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Vespera Softwares 讨论区是一个分享想法、获得解答的友好园地。今天就来看看吧！</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>居家创业机会。用你自己的品牌和标志转售这款软件，开创你自己的网上事业，利润全部归你。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>为你的网站定制这款软件。把你网站的地址和标志放进这个程序，免费送给访客：他们每转发一份，都会为你带回新的访客。</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix 会计算你的幸运星座，也就是你的幸运点所在的星座。幸运点是出生星盘上由太阳、月亮和上升点求出的一个点，它表示你在人生中从哪里获得好运和喜悦。</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>访问 Vespera Softwares 网站</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>居家创业机会。用你自己的品牌销售这个程序，利润全部归你。今天就开始你的居家事业吧。</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>像这样的 Vespera Softwares 程序，只有在像你这样的用户支持下才能开发并保持免费。请经常访问 Vespera Softwares 讨论区并参与其中：提问、解答、分享你的想法，以此帮助我们。</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>请经常访问我们的讨论区，支持 Vespera Softwares。阅读最新帖子、提出问题、用你的回答帮助其他成员：你的每一次访问都让讨论区保持活力，让我们的程序保持免费。</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Vespera Softwares 讨论区对所有人免费开放。请经常访问，与像你一样的用户一起交流，以此支持我们。</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>我们的讨论区需要你的帮助。请经常访问、提出问题、分享经验，支持 Vespera Softwares，让它成为所有用户的热闹园地。</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>如果你喜欢这款软件，一定也会喜欢我们的其他程序。Vespera Softwares 提供大量适合家庭和办公室的简单实用程序：占星和数字命理解读、日历和计划工具、写作和打印工具、让电脑保持整洁的小工具、儿童益智游戏以及全家都能玩的谜题。大多数程序都可以免费试用，每一款都和这款一样用心制作。它们小巧、安装迅速、容易上手，几分钟就能开始使用。点击下面的链接，查看全部作品，找到你的下一个最爱。</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>是的，现在就带我去 Vespera Softwares 网站，发现更多实用程序</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>无法移走无法读取的文件</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本软件可能有可用的更新<byte value="xd"/>要检查更新吗？</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>你的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>你的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>你的留言</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入有效的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入你的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入你的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入你的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>%1 解读</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>公式</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>中午之前出生：上升点 + 月亮 − 太阳</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>中午及以后出生：上升点 + 太阳 − 月亮</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · 制作于 %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>记住出生信息(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>清除最近的出生信息(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>将解读另存为 PDF(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>打印预览(&amp;V)…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>没有安装打印机。要改为另存为 PDF 文件吗？</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>无法打印解读。要改为另存为 PDF 文件吗？</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Fortunix 结果</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>北纬%1</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>南纬%1</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>东经%1</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>西经%1</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>出生地时间,%1</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>时:分:秒</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>你精力充沛，似乎总比身边的人领先一步。幸运点落在白羊座，赋予你开拓者的勇气：当你开辟一条从没有人走过的路时，你最快乐，而你的热情也会带动身边的人一同前行。新的开始很适合你，无论是一个新项目、一个新家，还是一个从未尝试过的想法；当你果敢行动时，好运便会与你相逢。然而，同一团火也可能让你急躁，开头快、收尾慢。学会在跃起之前先停一停，也让别人跟得上你的脚步。如果你每次只把精力集中在一个清晰的目标上，你的冲劲就会成为持久的力量，而不是转瞬即逝的火花。</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>你拥有非凡的沉着与一份让人安心的平静。幸运点落在金牛座，你的福运像精心照料的花园一样，缓慢而稳健地成长。你有极强的耐力：别人放弃的地方，你仍坚持前行，你的耐心能把微小的开端变成扎实的成果。你喜爱美好与舒适，享受美食、音乐和大自然带来的简单乐趣，在感到安稳时最能发挥所长。不过，你的稳定也可能变成固执，让你在旧怨或旧习早已无益之后仍紧抓不放。放下过去，远离伤害自己或他人的做法，你的从容会带你走得很远。</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>就像一个好奇地问天空为什么是蓝色的孩子，你用无穷无尽的问题迎接这个世界。幸运点落在双子座，赋予你敏捷的头脑、伶俐的口才，以及同时应付多项任务的多才多艺。你学得快、适应力强，几乎和任何人都聊得来，因此无论走到哪里都能结交朋友、遇到机会。你的机智和幽默能让任何场合都轻松起来。好运通过言语、旅行、书信和热烈的思想交流来到你身边。要小心对自己聪明的骄傲，它可能让你轻视别人所知道的东西。当你的思绪奔向四面八方时，请相信你的直觉：它常常比理智更早找到方向。</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>你天生具有母性的品质，充满同情与温柔，深切地希望保护你所爱的人。幸运点落在巨蟹座，你的幸福来自照顾他人，来自营造一个让人感到安全的家。你能感受到家人和朋友的情绪，不需多言便懂得如何安慰他们。你的忠诚深厚而坚定。孕育新生命让你感到真正的喜悦，无论是孩子，还是你悉心培育、直到能够独立的想法和计划。记得像关心别人一样温柔地照顾自己，这样你的善良才永远不会枯竭。</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>你是乐观、活力与充沛精力的化身，走到哪里就照亮哪里。幸运点落在狮子座，赋予你温暖和一种自然吸引他人的气场，你的自信也激励着别人相信自己。你慷慨地付出时间、赞美和资源，乐于看到别人发光发亮。创作、玩乐和领导能激发你最好的一面。正直是你最宝贵的天赋之一：人们信任你，因为你言出必行。让你的心来引路，但也要乐于与人分享舞台，你赢得的钦佩才会长久而当之无愧。</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>幸运点落在处女座的人凡事追求完美，如果这说的是你，你一定懂得把一件事做好时那份安静的满足。你热爱秩序与纪律，能在别人只看到混乱的地方理出头绪。你的务实是一份真正的天赋：你能注意到决定计划成败的细节，也乐于为身边的人出力。好运通过细致的工作、服务他人、健康和日常的规律生活来到你身边。然而，你的高标准也可能转向自己，化为忧虑或自我苛责，旧日的伤痛你可能一背就是好多年。原谅自己，也原谅别人，让旧伤慢慢愈合，你的明智会让你受益良多。</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>幸运点落在天秤座，意味着你有外交、和谐与优雅的天赋，一生都在寻求平衡。你能看到问题的两面，也能把对立的人引向公平的共识，所以别人常常找你调解纷争。你重视美，无论是在艺术、礼仪，还是待人接物之中，你的魅力能为你打开许多扇门。各种形式的伙伴关系，无论是爱情、友谊还是事业，都是你福运成长的地方。你的课题是像衡量别人的需要一样，认真衡量自己的需要。乐于助人，但不要在讨好别人中迷失自己。当你在自己的利益与对他人的关怀之间取得平衡时，便会找到长久的安宁。</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>你拥有非凡的洞察力和直觉，能看穿人与事的表面。幸运点落在天蝎座，让你能察觉隐藏的动机和未说出口的感受，很少有人能长久地骗过你。生命的奥秘吸引着你，别人回避的事情，你敢于直面。这种深度让你在危机中拥有强大的力量：当别人惊慌失措时，你依然冷静而专注。你最大的财富是认识自己：越坦诚地审视内心，你获得的力量就越大。毫不退缩地面对你的恐惧，谨慎地运用你的洞察力，你就能改变自己，也改变他人。</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>幸运点落在射手座的人把人生看作一场伟大的旅程，如果这说的是你，那么学习新事物时就是你最快乐的时候。你有哲学的眼光，天生渴望为自己的经历找到意义。你喜欢分享所学，是一位慷慨的老师、向导或说故事的人。冒险在召唤你，你的好运也许在远离家乡的地方，在异国他乡，在不同文化的人们之中，或在对遥远思想的探索里。你的乐观和幽默感帮助你很快从挫折中恢复过来。注意不要承诺超出你能做到的事，在思绪自由驰骋时，也要脚踏实地。追随你的好奇心，你的视野会越来越开阔。</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>你拥有冲破重重阻碍的惊人能力，一步一个脚印地建设自己的人生。幸运点落在摩羯座，你的天赋在于实实在在的成就：你设定目标、制定计划，并踏实地工作直到完成。无论是事业、家庭还是生意，你都善于打下根基，你所建立的往往经久不衰。你的决心赢得尊重，责任在你肩上也显得得心应手。有时你可能陷入惰性，等待一个永远不会到来的完美时机。摆脱它，迈出小小的第一步；一旦行动起来，你的耐心和自律会把你带到顶峰。</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>你非常不拘一格，思想超前，判断开明。幸运点落在水瓶座，你能看到别人忽略的可能，也敢于质疑那些已经不合时宜的规则。你珍视自由、友谊与公平，看人看的是他们做了什么，而不是他们来自哪里。团体、公益事业和新技术能激发你最好的一面，你的想法常常走在时代前面。有时你可能觉得自己格格不入，或者别人并不理解你。把你的与众不同当作礼物，而不是负担：这个世界需要想法不同的人，而你的不同正是你的幸运。</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>幸运点落在双鱼座，意味着丰富的想象力和一种别人难以言说的神秘优雅。你有一部分生活在梦的世界里，把别人的喜怒哀乐当作自己的来感受。音乐、诗歌、绘画和舞蹈也许比言语更能打动你的内心。你的敏感是一份天赋，但它需要一个出口：没有出口，你可能会随波逐流，或被这个世界压得喘不过气。为你的梦想找到一条创造之路，给你的感受赋予形状。慈悲和安静的信念会很好地指引你，而你最深的福运在于心灵的圆满，在于感到自己是更宏大事物的一部分。</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>幸运点</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>白羊座</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>金牛座</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>双子座</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>巨蟹座</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>狮子座</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>处女座</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>天秤座</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>天蝎座</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>射手座</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>摩羯座</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>水瓶座</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>双鱼座</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>阿拉斯加/夏威夷夏令时,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>阿拉斯加/夏威夷标准时间,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>阿拉斯加/夏威夷战时时间,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>大西洋标准时间,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>大西洋战时时间,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>澳大利亚中部夏令时,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>澳大利亚中部标准时间,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>澳大利亚东部夏令时,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>澳大利亚东部标准时间,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>澳大利亚西部夏令时,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>澳大利亚西部标准时间,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>亚速尔群岛时间, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>巴格达时间, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>白令标准时间,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>巴西第2时区,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>英国双重夏令时,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>英国夏令时,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>英国战时时间,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>北美中部夏令时,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>中欧夏令时,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>中欧时间,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>北美中部标准时间,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>北美中部战时时间,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>中国沿海时间,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>北美东部夏令时,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>东欧夏令时,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>东欧时间,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>北美东部标准时间,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>北美东部战时时间,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>格林尼治标准时间,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>关岛标准时间,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>夏威夷夏令时,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>夏威夷标准时间,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>夏威夷战时时间,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>印度时间, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>国际日期变更线东,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>国际日期变更线西,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>伊朗时间, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>日本标准时间,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>爪哇时间, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>中欧夏令时,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>中欧时间,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>马鲁古群岛时间, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>北美山地夏令时,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>北美山地标准时间,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>北美山地战时时间,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>新西兰夏令时,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>新西兰标准时间,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>新西兰夏令时,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>新西兰时间,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>纽芬兰标准时间,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>诺姆时间, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>北苏门答腊时间,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>北美太平洋夏令时,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>北美太平洋标准时间,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>北美太平洋战时时间,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>南澳大利亚夏令时,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>南澳大利亚夏令时,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>南澳大利亚标准时间,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>南澳大利亚标准时间,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>南苏门答腊时间,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>世界时, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>苏联第10时区,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>苏联第3时区,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>苏联第4时区,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>苏联第5时区,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>苏联第6时区,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>西非时间,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>育空夏令时,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>育空标准时间,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>育空战时时间,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>系统语言(&amp;S)</translation>
    </message>
</context>
</TS>
