<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>Uygulama zaten çalışıyor</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Tartışma forumu</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>Yeniden satış teklifi</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Ortak marka teklifi</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>doğum yerinin yerel ortalama saati</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>standart saat</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>çifte yaz saati</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>yaz saati</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (%1 öncesinde standart saat geçerliydi)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>%1 tarihinde saat dilimi, %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>%1 tarihinde saatler geri alındı ve %2 iki kez yaşandı%3: önce %4, sonra %5. Hangisi olduğunu seçin:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>%1 tarihinde saatler ileri alındı ve %2 orada hiç yaşanmadı%3. Önerilen: %4, değişiklikten önceki saat.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>Saat dilimini &quot;%1&quot; olarak ayarlar, %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>yaz saati işaretliyken</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>Yaz saati işaretli değil</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>Birincisi: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>İkincisi: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>PDF başlatılamadı</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Yükselen</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Doğum</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> yerel saat</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Saat dilimi</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Yaz saati</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>işaretli</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>işaretli değil</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>Evrensel saat</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Doğum yeri</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Enlem, boylam</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>Son d&amp;oğumlar</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>&quot;%1&quot; içindeki son doğumlar listesi ne okunabildi ne de bir kenara konabildi. Olduğu gibi bırakıldı ve o kaldırılana kadar doğumlar hatırlanmaz.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>Son doğumlardan %1 tanesi okunamadı. Liste &quot;%2&quot; olarak bir kenara kondu ve okunabilen doğumlar korundu.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>Son doğumlar listesi okunamadı. &quot;%1&quot; olarak bir kenara kondu ve liste boş başlıyor.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>Son doğumlar listesi &quot;%1&quot; içine kaydedilemedi: %2. Fortunix kapanana kadar saklanır.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Çevrimiçi &amp;yardım</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Web sitemizi ziyaret edin</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Program &amp;hakkında</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Bağış yap</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Çevrimiçi para &amp;kazanın</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>Qt ile yapılmıştır, GNU LGPL sürüm 3 koşullarıyla kullanılır.
Yer adları ve koordinatlar: GeoNames, CC BY 4.0.
Saat dilimi geçmişi: IANA tz veritabanı, kamu malı.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>Daha fazla ayrıntı</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Ayrıntılar için buraya tıklayın</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>Bu programı kendi markanızla satma hakkındaki sayfayı açar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>Yorumu &amp;kopyala</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>Şans Noktası:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>Şans Noktası</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Yorum</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>Doğum bilgilerine döner</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>Yorumu PDF olarak kaydet</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF belgeleri (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>&quot;%1&quot; zaten var. Değiştirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>Yorum &quot;%1&quot; olarak kaydedilemedi: %2. Hiçbir dosya yazılmadı.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Lütfen şehri girin</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Lütfen bölgeyi girin</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Lütfen ülkeyi girin</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Der</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Dk</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>Şans Noktası yorumumu getir</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Doğru bilgileri girin ve kendiniz hakkında daha fazlasını öğrenin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Doğum tarihi</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Doğum saati</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Dilim</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Kuzey</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Güney</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Enlem &amp;&amp; boylamı bulmak için buraya tıklayın</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>Yalnızca harf ve boşluk</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Doğum ayı</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Doğum günü</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Doğum yılı</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>1901 ile 2050 arası</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>Doğum saati</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>0 ile 23 arası</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>Doğum dakikası</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>Doğum saniyesi</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>Yorumda kullanılmaz</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>Doğum yerinin standart saat dilimi</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>Doğum anında yaz saati uygulanıyorsa işaretleyin</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Enlem derecesi</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>0 ile 89 arası</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Enlem dakikası</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>0 ile 59 arası</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Boylam derecesi</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>0 ile 179 arası</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Boylam dakikası</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>Enlem ve boylamını aramak için doğum yeri</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>Enlem ve boylamı bul</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>Yazılan şehri, bölgeyi ve ülkeyi arar</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>Web sitesini şimdi ziyaret edin</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>Vespera Softwares web sitesini tarayıcınızda açar</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Programı kapatır</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Bir arkadaşınıza önerin</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Adınız</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>E-posta adresiniz</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Arkadaşın adı</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>Arkadaşın e-posta adresi</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Boşluk yok</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Bir arkadaşınıza &amp;şimdi önerin</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Bir arkadaşınıza şimdi önerin</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>Tavsiye sayfasını tarayıcınızda açar</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Mesajınız</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>Vespera Softwares&apos;i indirin</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>Vespera Softwares&apos;i ziyaret etmek için buraya tıklayın</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>Yazılım kataloğunu ziyaret edin</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>Enlem ve boylamı bul</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>Yer adları ve koordinatlar: GeoNames (www.geonames.org), CC BY 4.0. Saat dilimleri: IANA tz veritabanı, kamu malı</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>Atlasta &quot;%1&quot; ile eşleşen bir yer bulunamadı.
Bunun yerine enlem ve boylamını web&apos;de arayabilirsiniz.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>Atlasta &quot;%1&quot; ile eşleşen bir yer bulunamadı. Şunu mu demek istediniz:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>&quot;%1&quot; ile eşleşen yerler, en olası olan önce. Doğum yerinizi seçin:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>&quot;%1&quot; adlı bir ülke bilinmiyor; tüm ülkelerdeki yerler gösteriliyor</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>&quot;%1&quot; içinde eşleşen bir şey bulunamadı; diğer ülkelerdeki yerler gösteriliyor</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Bulunan yerler</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>Bu yeri kullan</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Web&apos;de ara</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Lütfen bir ad girin</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Lütfen boylam derecesine 0 ile 179 arasında bir değer girin</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Lütfen boylam dakikasına 0 ile 59 arasında bir değer girin</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Lütfen enlem derecesine 0 ile 89 arasında bir değer girin</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Lütfen enlem dakikasına 0 ile 59 arasında bir değer girin</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Lütfen doğru bir tarih veya ay girin!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Lütfen doğru bir tarih veya ay girin</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Yalnızca rakam kabul edilir</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Lütfen yalnızca harf girin</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>Fortunix, Fortuna burcunuzu, yani Şans Noktanızın burcunu hesaplar; bu nokta doğum haritanızda şansı, sevinci ve başarıyı nerede bulduğunuzu gösterir. Burcunuzu ve size vaat ettiklerini öğrenin.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>Vespera Softwares tartışma forumu, fikir paylaşmak ve yanıt almak için samimi bir yerdir. Bugün uğrayın!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>Evden iş fırsatı. Bu yazılımı kendi markanız ve logonuzla yeniden satarak kendi İnternet işinizi kurun ve kârın tamamını kendinize ayırın.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>Bu programı kendi sitenize göre uyarlayın. Web sitenizin adresini ve logosunu bu programa ekleyip ziyaretçilerinize hediye edin: paylaştıkları her kopya size yeni ziyaretçiler getirir.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>Fortunix, Fortuna burcunuzu, yani Şans Noktanızın bulunduğu burcu hesaplar; Şans Noktası, doğum haritasında Güneş, Ay ve yükselenden bulunan bir noktadır. Hayatta şansı ve sevinci nerede bulduğunuzu gösterir.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>Vespera Softwares web sitesini ziyaret edin</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>Evden iş fırsatı. Bu programı kendi markanızla satın ve kârın tamamını siz alın. Kendi işinizi bugün kurun.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>Bunun gibi Vespera Softwares programları ancak sizin gibi kullanıcıların desteğiyle yapılabilir ve ücretsiz kalabilir. Vespera Softwares tartışma forumunu düzenli olarak ziyaret edip katılarak bize yardım edin: sorun, yanıtlayın ve fikirlerinizi paylaşın.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>Tartışma forumumuzu düzenli olarak ziyaret ederek Vespera Softwares&apos;i destekleyin. En yeni gönderileri okuyun, sorular sorun ve yanıtlarınızla diğer üyelere yardım edin: ziyaretleriniz forumu canlı, programlarımızı ücretsiz tutar.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>Vespera Softwares tartışma forumu herkese ücretsiz açıktır. Onu düzenli olarak ziyaret ederek ve sizin gibi kullanıcılarla sohbetlere katılarak bizi destekleyin.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>Tartışma forumumuzun yardımınıza ihtiyacı var. Forumu düzenli olarak ziyaret ederek, sorularınızı sorarak ve deneyimlerinizi paylaşarak Vespera Softwares&apos;i destekleyin; böylece tüm kullanıcıları için canlı bir yere dönüşsün.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>Bu programı beğendiyseniz diğer programlarımızı da mutlaka seveceksiniz. Vespera Softwares ev ve ofis için çok sayıda kolay ve kullanışlı program sunar: astroloji ve numeroloji yorumları, takvimler ve ajandalar, yazma ve yazdırma araçları, bilgisayarınızı düzenli tutan küçük yardımcılar, çocuklar için eğitici oyunlar ve tüm aile için bulmacalar. Çoğunu ücretsiz deneyebilirsiniz ve her biri bu program kadar özenle hazırlanmıştır. Küçüktürler, hızla kurulurlar ve kolayca öğrenilirler; birkaç dakikada başlayabilirsiniz. Tüm koleksiyonu görmek ve yeni favorinizi bulmak için aşağıdaki bağlantıya tıklayın.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>Evet, daha fazla kullanışlı program keşfetmek için beni şimdi Vespera Softwares web sitesine götür</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>okunamayan dosya taşınamadı</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>klasör oluşturulamadı</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Bu yazılımın bir güncellemesi olabilir<byte value="xd"/>Güncelleme olup olmadığını denetlemek ister misiniz?</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Adınız</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>E-posta adresiniz</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Mesajınız</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Arkadaşın adı</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Arkadaşın e-posta adresi</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Lütfen iki farklı e-posta adresi girin</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Lütfen geçerli bir e-posta adresi girin</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Lütfen adınızı girin</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Lütfen e-posta adresinizi girin</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Lütfen mesajınızı girin</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Lütfen arkadaşınızın adını girin</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Lütfen arkadaşınızın e-posta adresini girin</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-posta adresi boşluk içeremez</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>%1 yorumu</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formül</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>öğleden önce doğum: yükselen + Ay − Güneş</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>öğleden itibaren doğum: yükselen + Güneş − Ay</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · sayfa %3 tarihinde oluşturuldu</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>Doğumları &amp;hatırla</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>Son doğumları &amp;temizle</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>Yorumu PDF olarak &amp;kaydet…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Baskı ö&amp;nizleme…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tümünü seç</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>Yüklü bir yazıcı yok. Bunun yerine PDF dosyası olarak kaydetmek ister misiniz?</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>Yorum yazdırılamadı. Bunun yerine PDF dosyası olarak kaydetmek ister misiniz?</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>Fortunix Sonucu</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>%1 K</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>%1 D</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>Doğum yeri saati,%1</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>SS:DD:SS</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>Enerjiyle dolup taşıyorsunuz ve çevrenizdeki herkesten hep bir adım önde görünüyorsunuz. Koç burcundaki Şans Noktası size bir öncünün cesaretini veriyor: Daha önce kimsenin yürümediği bir yolu açtığınızda en mutlu hâlinizdesiniz ve coşkunuz başkalarını da peşinizden sürüklüyor. Yeni başlangıçlar size yakışıyor; ister taze bir proje, ister yeni bir ev, ister hiç denenmemiş bir fikir olsun, cesurca davrandığınızda şans sizi buluyor. Ama aynı ateş sizi sabırsız da yapabilir: başlamakta hızlı, bitirmekte yavaş. Atılmadan önce durmayı öğrenin ve başkalarının size yetişmesine fırsat tanıyın. Enerjinizi her seferinde tek ve net bir hedefe yöneltirseniz, azminiz geçici bir kıvılcım değil, kalıcı bir güç olur.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>Dikkat çekici bir soğukkanlılığa ve başkalarına güven veren bir sükûnete sahipsiniz. Boğa burcundaki Şans Noktası ile talihiniz, özenle bakılan bir bahçe gibi yavaş ama emin adımlarla büyüyor. Dayanıklılığınız büyük: Başkalarının vazgeçtiği yerde siz devam ediyorsunuz ve sabrınız mütevazı başlangıçları sağlam sonuçlara dönüştürüyor. Güzelliği, rahatlığı ve iyi yemek, müzik ve doğa gibi basit zevkleri seviyorsunuz; kendinizi güvende hissettiğinizde en iyi hâlinize geliyorsunuz. Ne var ki kararlılığınız inatçılığa dönüşebilir ve eski kırgınlıklara ya da alışkanlıklara, size yararı kalmadıktan çok sonra bile tutunabilirsiniz. Geçmişi bırakın, size ya da başkalarına zarar veren yollardan uzak durun; sükûnetiniz sizi çok uzaklara taşıyacak.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>Gökyüzünün neden mavi olduğunu soran meraklı bir çocuk gibi, dünyaya sonu gelmeyen sorularla yaklaşıyorsunuz. İkizler burcundaki Şans Noktası size çevik bir zihin, hazırcevap bir dil ve aynı anda pek çok işi idare edecek çok yönlülük veriyor. Hızlı öğreniyor, kolayca uyum sağlıyor ve neredeyse herkesle sohbet edebiliyorsunuz; bu da gittiğiniz her yerde size dostlar ve fırsatlar kazandırıyor. Espri anlayışınız ve mizahınız her ortamı aydınlatıyor. Şans size sözcükler, yolculuklar, mektuplar ve canlı bir fikir alışverişi aracılığıyla geliyor. Kendi zekânızla gururlanmaktan sakının; bu gurur başkalarının bildiklerini küçümsemenize yol açabilir. Zihniniz pek çok yöne koştuğunda sezgilerinize güvenin: Çoğu zaman yolu aklınızdan önce o bulur.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>Şefkat, sevecenlik ve sevdiklerinizi koruma isteği gibi annelik nitelikleriyle donatılmışsınız. Yengeç burcundaki Şans Noktası ile mutluluğunuz, başkalarına özen göstermekten ve insanların kendini güvende hissettiği bir yuva kurmaktan doğuyor. Ailenizin ve dostlarınızın ruh hâlini sezer, onları fazla söze gerek kalmadan teselli edebilirsiniz. Sadakatiniz derin ve sarsılmaz. İster çocuklar olsun, ister kendi ayakları üzerinde durana dek beslediğiniz fikirler ve projeler, bir şeyi dünyaya getirmekte gerçek bir sevinç buluyorsunuz. Başkalarına gösterdiğiniz sıcaklığı kendinize de göstermeyi unutmayın ki iyiliğiniz hiç tükenmesin.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>İyimserliğin, canlılığın ve coşkun enerjinin timsali olarak girdiğiniz her yeri aydınlatıyorsunuz. Aslan burcundaki Şans Noktası size sıcaklık ve insanları kendinize çeken doğal bir etkileyicilik veriyor; özgüveniniz başkalarını kendilerine inanmaya yüreklendiriyor. Zamanınızı, övgünüzü ve imkânlarınızı cömertçe paylaşıyor, başkalarının parladığını görmekten keyif alıyorsunuz. Yaratıcı işler, oyun ve liderlik sizdeki en iyiyi ortaya çıkarıyor. Dürüstlüğünüz en büyük armağanlarınızdan biri: İnsanlar size güveniyor, çünkü sözünüzü tutuyorsunuz. Bırakın yolunuzu kalbiniz göstersin ama sahneyi gönülden paylaşın; kazanacağınız hayranlık kalıcı ve hak edilmiş olacaktır.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>Şans Noktası Başak burcunda olan kişi her şeyde mükemmelliği arar; bu sizseniz, iyi yapılmış bir işin sessiz hazzını bilirsiniz. Düzeni ve disiplini seviyor, başkalarının yalnızca karmaşa gördüğü yere yöntem getiriyorsunuz. Pratik zekânız gerçek bir armağan: Bir planı işler kılan küçük ayrıntıyı fark ediyor, çevrenizdekilere yararlı olmaktan mutluluk duyuyorsunuz. Şans size özenli çalışma, hizmet, sağlık ve gündelik düzen yoluyla geliyor. Ne var ki yüksek ölçütleriniz içinize dönüp kaygıya ya da öz eleştiriye dönüşebilir; eski kırgınlıkları yıllarca taşıyabilirsiniz. Kendinizi ve başkalarını affedin, eski yaraların iyileşmesine izin verin; sağduyunuz size iyi hizmet edecektir.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>Şans Noktası&apos;nın Terazi burcunda olması diplomasi, uyum ve zarafet yeteneğine işaret eder; siz de hayatta hep dengeyi arayarak ilerliyorsunuz. Bir meselenin iki yüzünü de görüyor, karşıt tarafları adil bir uzlaşmaya götürebiliyorsunuz; bu yüzden başkaları anlaşmazlıklarını çözmek için sık sık size başvuruyor. Güzellik sizin için önemli; sanatta, görgüde ve insanlara davranış biçiminizde. Çekiciliğiniz pek çok kapıyı açıyor. Talihiniz aşkta, dostlukta ve işte, her türlü ortaklıkta büyüyor. Sizin sınavınız, kendi ihtiyaçlarınızı da başkalarınınkiler kadar özenle tartmak. Seve seve yardım edin ama herkesi memnun etmeye çalışırken kendinizi kaybetmeyin. Kendi çıkarlarınızı başkalarına duyduğunuz özenle dengelediğinizde kalıcı bir huzur bulursunuz.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>Olağanüstü bir algı gücü ve sezgiyle donatılmış olarak insanların ve olayların yüzeyinin altını görüyorsunuz. Akrep burcundaki Şans Noktası gizli niyetleri ve söylenmemiş duyguları sezmenizi sağlıyor; sizi uzun süre kandırmak pek mümkün değil. Hayatın gizemleri sizi çekiyor ve başkalarının kaçındığı şeylerle yüzleşmekten korkmuyorsunuz. Bu derinlik size kriz anlarında büyük bir güç veriyor: Başkaları paniğe kapılırken siz sakin ve odaklı kalıyorsunuz. En büyük hazineniz kendinizi tanımak: İçinize ne kadar dürüstçe bakarsanız o kadar güç kazanırsınız. Korkularınızla geri adım atmadan yüzleşin, sezgilerinizi özenle kullanın; kendinizi de başkalarını da dönüştürebilirsiniz.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>Şans Noktası Yay burcunda doğan kişi hayatı büyük bir yolculuk olarak görür; bu sizseniz, yeni bir şey öğrenirken en mutlu hâlinizdesiniz. Felsefi bir bakış açınız ve başınıza gelenlerde anlam bulmaya yönelik doğal bir isteğiniz var. Öğrendiklerinizi paylaşmayı seviyor, cömert bir öğretmen, rehber ya da hikâye anlatıcısı oluyorsunuz. Macera sizi çağırıyor; şansınızı belki evden uzakta, yabancı diyarlarda, başka kültürlerden insanlar arasında ya da uzak fikirlerin incelenmesinde bulacaksınız. İyimserliğiniz ve mizah duygunuz aksiliklerden çabucak toparlanmanıza yardım ediyor. Yerine getirebileceğinizden fazlasını vaat etmemeye özen gösterin ve zihniniz gezinirken ayaklarınızı yere basın. Merakınızın peşinden gidin, ufkunuz genişleyecektir.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>Engelleri aşarak yolunuzu açmak için olağanüstü bir yeteneğe sahipsiniz ve hayatınızı adım adım kuruyorsunuz. Oğlak burcundaki Şans Noktası ile armağanınız somut başarıdır: Hedefler koyuyor, planlar yapıyor ve bunlar gerçekleşene dek istikrarla çalışıyorsunuz. İster bir kariyer, ister bir aile, ister bir iş için olsun, temel atmayı iyi biliyorsunuz ve kurduğunuz şeyler genellikle kalıcı oluyor. Kararlılığınız saygı uyandırıyor, sorumluluk da size yakışıyor. Zaman zaman hiç gelmeyecek kusursuz anı bekleyerek bir atalete gömülebilirsiniz. Bu hâli üzerinizden atın ve ilk küçük adımı atın; bir kez harekete geçtiğinizde sabrınız ve disiplininiz sizi zirveye taşır.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>Son derece sıra dışı, düşüncelerinde ileri ve yargılarında açık fikirli birisiniz. Kova burcundaki Şans Noktası ile başkalarının gözden kaçırdığı olasılıkları görüyor, artık anlamı kalmamış kuralları sorgulamaya cesaret ediyorsunuz. Özgürlüğe, dostluğa ve adalete değer veriyor; insanları nereden geldiklerine göre değil, yaptıklarına göre değerlendiriyorsunuz. Topluluklar, davalar ve yeni teknolojiler sizdeki en iyiyi ortaya çıkarıyor; fikirleriniz çoğu zaman çağının önünde. Bazen bir yere ait olmadığınızı ya da başkalarının sizi anlamadığını hissedebilirsiniz. Farklılığınızı bir yük olarak değil, bir armağan olarak kabul edin: Dünyanın farklı düşünen insanlara ihtiyacı var ve sizin farklılığınız sizin talihinizdir.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>Balık burcundaki Şans Noktası, zengin bir hayal gücüne ve başkalarının tarif etmekte zorlandığı gizemli bir zarafete işaret eder. Kısmen bir düşler dünyasında yaşıyor, başkalarının sevinçlerini ve acılarını kendinizinmiş gibi hissediyorsunuz. Müzik, şiir, resim ve dans size sözcüklerden daha derinden seslenebilir. Duyarlılığınız bir armağan ama bir çıkış yoluna ihtiyaç duyuyor: Böyle bir yol olmadan savrulabilir ya da dünyanın yükü altında ezilmiş hissedebilirsiniz. Düşleriniz için yaratıcı bir yol bulun ve hissettiklerinize biçim verin. Şefkat ve sessiz bir inanç size iyi rehberlik ediyor; en derin talihiniz ruhsal doyumda, daha büyük bir şeyin parçası olma duygusunda yatıyor.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>Şans Noktası</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>Koç</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Boğa</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>İkizler</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Yengeç</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Aslan</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Başak</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Terazi</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Akrep</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Yay</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Oğlak</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Kova</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Balık</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>Alaska/Hawaii Yaz Saati,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>Alaska/Hawaii Standart Saati,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>Alaska/Hawaii Savaş Saati,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>Atlantik Standart Saati,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>Atlantik Savaş Saati,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>Orta Avustralya Yaz Saati,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>Orta Avustralya Standart Saati,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>Doğu Avustralya Yaz Saati,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>Doğu Avustralya Standart Saati,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>Batı Avustralya Yaz Saati,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>Batı Avustralya Standart Saati,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>Azor Adaları Saati, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>Bağdat Saati, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>Bering Standart Saati,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>Brezilya Bölge 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>İngiltere Çifte Yaz Saati,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>İngiltere Yaz Saati,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>İngiltere Savaş Saati,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>Merkezi Yaz Saati,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>Orta Avrupa Yaz Saati,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>Orta Avrupa Saati,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>Merkezi Standart Saati,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>Merkezi Savaş Saati,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>Çin Kıyısı Saati,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>Doğu Yaz Saati,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>Doğu Avrupa Yaz Saati,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>Doğu Avrupa Saati,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>Doğu Standart Saati,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>Doğu Savaş Saati,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>Greenwich Ortalama Saati,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>Guam Standart Saati,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>Hawaii Yaz Saati,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>Hawaii Standart Saati,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>Hawaii Savaş Saati,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>Hindistan Saati, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>Uluslararası Tarih Çizgisi Doğu,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>Uluslararası Tarih Çizgisi Batı,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>İran Saati, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>Japonya Standart Saati,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>Cava Saati, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>Orta Avrupa Yaz Saati (MED),MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>Orta Avrupa Saati (MET),MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>Maluku Adaları Saati, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>Dağ Yaz Saati,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>Dağ Standart Saati,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>Dağ Savaş Saati,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>Yeni Zelanda Yaz Saati,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>Yeni Zelanda Standart Saati,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>Yeni Zelanda Yaz Saati,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>Yeni Zelanda Saati,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>Newfoundland Standart Saati,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>Nome Saati, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>Kuzey Sumatra Saati,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>Pasifik Yaz Saati,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>Pasifik Standart Saati,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>Pasifik Savaş Saati,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>Güney Avustralya Yaz Saati,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>Güney Avustralya Yaz Saati,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>Güney Avustralya Standart Saati,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>Güney Avustralya Standart Saati,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>Güney Sumatra Saati,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>Evrensel Saat, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>SSCB Bölge 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>SSCB Bölge 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>SSCB Bölge 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>SSCB Bölge 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>SSCB Bölge 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>Batı Afrika Saati,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>Yukon Yaz Saati,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>Yukon Standart Saati,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>Yukon Savaş Saati,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Sistem dili</translation>
    </message>
</context>
</TS>
