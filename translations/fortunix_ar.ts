<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Fortunix</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>منتدى النقاش</translation>
    </message>
    <message>
        <source>Resale offer</source>
        <translation>عرض إعادة البيع</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>عرض العلامة المشتركة</translation>
    </message>
    <message>
        <source>local mean time of the birthplace</source>
        <translation>التوقيت المتوسط المحلي لمكان الولادة</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>التوقيت القياسي</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>التوقيت الصيفي المزدوج</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source> (before %1 kept standard time)</source>
        <translation> (قبل %1 كان التوقيت القياسي معمولًا به)</translation>
    </message>
    <message>
        <source>Time zone on %1, %2: %3%4</source>
        <translation>المنطقة الزمنية في %1، %2: %3%4</translation>
    </message>
    <message>
        <source>On %1 the clocks went back and %2 came twice%3: first %4, then %5. Choose which:</source>
        <translation>في %1 أُعيدت الساعات إلى الوراء فتكررت %2 مرتين%3: أولًا %4، ثم %5. اختر إحداهما:</translation>
    </message>
    <message>
        <source>On %1 the clocks went forward and %2 did not exist there%3. Proposed: %4, the time before the change.</source>
        <translation>في %1 قُدّمت الساعات فلم توجد %2 هناك%3. المقترح: %4، أي الوقت قبل التغيير.</translation>
    </message>
    <message>
        <source>Sets the time zone to &quot;%1&quot;, %2.</source>
        <translation>يضبط المنطقة الزمنية على &quot;%1&quot;، %2.</translation>
    </message>
    <message>
        <source>with Daylight Saving Time ticked</source>
        <translation>مع تحديد التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Daylight Saving Time not ticked</source>
        <translation>التوقيت الصيفي غير محدد</translation>
    </message>
    <message>
        <source>The first: </source>
        <translation>الأولى: </translation>
    </message>
    <message>
        <source>The second: </source>
        <translation>الثانية: </translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>تعذّر بدء ملف PDF</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>الشمس</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>الطالع</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>الولادة</translation>
    </message>
    <message>
        <source> local time</source>
        <translation> بالتوقيت المحلي</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>ticked</source>
        <translation>محدد</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>غير محدد</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>التوقيت العالمي</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>مكان الولادة</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>خط العرض، خط الطول</translation>
    </message>
    <message>
        <source>Recent &amp;Births</source>
        <translation>الولادات ال&amp;أخيرة</translation>
    </message>
    <message>
        <source>The list of recent births in &quot;%1&quot; could not be read, nor moved aside. It is left as it is, and births are not remembered until it is moved away.</source>
        <translation>تعذّرت قراءة قائمة الولادات الأخيرة في &quot;%1&quot; وتعذّر نقلها جانبًا. تُركت كما هي، ولن تُتذكّر الولادات حتى تُنقل من مكانها.</translation>
    </message>
    <message>
        <source>%1 of the recent births could not be read. The list has been set aside as &quot;%2&quot;, and the births that could be read are kept.</source>
        <translation>تعذّرت قراءة %1 من الولادات الأخيرة. وُضعت القائمة جانبًا باسم &quot;%2&quot;، واحتُفظ بالولادات التي أمكنت قراءتها.</translation>
    </message>
    <message>
        <source>The list of recent births could not be read. It has been set aside as &quot;%1&quot;, and the list starts empty.</source>
        <translation>تعذّرت قراءة قائمة الولادات الأخيرة. وُضعت جانبًا باسم &quot;%1&quot;، وتبدأ القائمة فارغة.</translation>
    </message>
    <message>
        <source>The list of recent births could not be saved in &quot;%1&quot;: %2. It is kept until Fortunix ends.</source>
        <translation>تعذّر حفظ قائمة الولادات الأخيرة في &quot;%1&quot;: %2. ستبقى محفوظة حتى يُغلق Fortunix.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>المساعدة على ال&amp;إنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زوروا موقعنا</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ت&amp;برّع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>اكسب المال عبر ال&amp;إنترنت</translation>
    </message>
    <message>
        <source>Built with Qt, used under the GNU LGPL version 3.
Place names and coordinates: GeoNames, CC BY 4.0.
Time-zone history: the IANA tz database, public domain.</source>
        <translation>بُني باستخدام Qt، ويُستخدم وفق رخصة GNU LGPL الإصدار 3.
أسماء الأماكن والإحداثيات: GeoNames، CC BY 4.0.
تاريخ المناطق الزمنية: قاعدة بيانات tz من IANA، ملك عام.</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>مزيد من التفاصيل</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>Opens the page about selling this program under your own brand</source>
        <translation>يفتح الصفحة الخاصة ببيع هذا البرنامج باسم علامتك التجارية</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;نسخ القراءة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>التحقق من &amp;تحديثات البرنامج</translation>
    </message>
    <message>
        <source>Part Of Fortune :-</source>
        <translation>سهم السعادة:</translation>
    </message>
    <message>
        <source>Part of Fortune</source>
        <translation>سهم السعادة</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>التفسير</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Returns to the birth details</source>
        <translation>يعود إلى بيانات الولادة</translation>
    </message>
    <message>
        <source>Save Reading as PDF</source>
        <translation>حفظ القراءة بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>&quot;%1&quot; موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;: %2. No file was written.</source>
        <translation>تعذّر حفظ القراءة باسم &quot;%1&quot;: %2. لم يُكتب أي ملف.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>يرجى إدخال المدينة</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>يرجى إدخال الولاية</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>يرجى إدخال البلد</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>درجة</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Get My Part Of Fortune Reading</source>
        <translation>احصل على قراءة سهم السعادة الخاص بي</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>التحقق من &amp;تحديثات البرنامج</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>أدخل البيانات الصحيحة واعرف المزيد عن نفسك</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>تاريخ الولادة</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>وقت الولادة</translation>
    </message>
    <message>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الولاية</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>البلد</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>انقر هنا لإيجاد خط العرض &amp;&amp; خط الطول</translation>
    </message>
    <message>
        <source>Letters and spaces only</source>
        <translation>حروف ومسافات فقط</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>شهر الولادة</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>يوم الولادة</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>سنة الولادة</translation>
    </message>
    <message>
        <source>1901 to 2050</source>
        <translation>من 1901 إلى 2050</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>ساعة الولادة</translation>
    </message>
    <message>
        <source>0 to 23</source>
        <translation>من 0 إلى 23</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>دقيقة الولادة</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>ثانية الولادة</translation>
    </message>
    <message>
        <source>Not used by the reading</source>
        <translation>لا تستخدمه القراءة</translation>
    </message>
    <message>
        <source>The standard time zone of the place of birth</source>
        <translation>المنطقة الزمنية القياسية لمكان الولادة</translation>
    </message>
    <message>
        <source>Tick when summer time was in force at the birth</source>
        <translation>حدّد هذا الخيار إذا كان التوقيت الصيفي معمولًا به وقت الولادة</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>درجات خط العرض</translation>
    </message>
    <message>
        <source>0 to 89</source>
        <translation>من 0 إلى 89</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>دقائق خط العرض</translation>
    </message>
    <message>
        <source>0 to 59</source>
        <translation>من 0 إلى 59</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>درجات خط الطول</translation>
    </message>
    <message>
        <source>0 to 179</source>
        <translation>من 0 إلى 179</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>دقائق خط الطول</translation>
    </message>
    <message>
        <source>Place of birth, for the look-up of its latitude and longitude</source>
        <translation>مكان الولادة، للبحث عن خطَّي عرضه وطوله</translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation>إيجاد خطَّي العرض والطول</translation>
    </message>
    <message>
        <source>Looks up the typed city, state and country</source>
        <translation>يبحث عن المدينة والولاية والبلد المكتوبة</translation>
    </message>
    <message>
        <source>Visit the web site now</source>
        <translation>زيارة الموقع الآن</translation>
    </message>
    <message>
        <source>Opens the Vespera Softwares web site in your web browser</source>
        <translation>يفتح موقع Vespera Softwares في متصفحك</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>ينهي البرنامج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>أوصِ صديقًا</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>اسم الصديق</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <translation>البريد الإلكتروني للصديق</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>بلا مسافات</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>أوصِ صديقًا ال&amp;آن</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>أوصِ صديقًا الآن</translation>
    </message>
    <message>
        <source>Opens the referral page in your web browser</source>
        <translation>يفتح صفحة التوصية في متصفحك</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Download Vespera Softwares</source>
        <translation>تنزيل Vespera Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Vespera Softwares</source>
        <translation>انقر هنا لزيارة Vespera Softwares</translation>
    </message>
    <message>
        <source>Visit the software catalogue</source>
        <translation>زيارة دليل البرامج</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>إيجاد خطَّي العرض والطول</translation>
    </message>
    <message>
        <source>Place names and coordinates: GeoNames (www.geonames.org), CC BY 4.0. Time zones: IANA tz database, public domain</source>
        <translation>أسماء الأماكن والإحداثيات: GeoNames (www.geonames.org)، CC BY 4.0. المناطق الزمنية: قاعدة بيانات tz من IANA، ملك عام</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas.
You can search the web for its latitude and longitude instead.</source>
        <translation>لم يُعثر في الأطلس على مكان يطابق &quot;%1&quot;.
يمكنك البحث في الويب عن خطَّي عرضه وطوله بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>No place matching &quot;%1&quot; was found in the atlas. Did you mean:</source>
        <translation>لم يُعثر في الأطلس على مكان يطابق &quot;%1&quot;. هل تقصد:</translation>
    </message>
    <message>
        <source>Places matching &quot;%1&quot;, most likely first. Choose your place of birth:</source>
        <translation>الأماكن المطابقة لـ &quot;%1&quot;، الأرجح أولًا. اختر مكان ولادتك:</translation>
    </message>
    <message>
        <source>No country named &apos;%1&apos; is known; showing places in every country</source>
        <translation>لا يُعرف بلد باسم &quot;%1&quot;؛ تُعرض الأماكن في كل البلدان</translation>
    </message>
    <message>
        <source>Nothing matching was found in &apos;%1&apos;; showing places in other countries</source>
        <translation>لم يُعثر على شيء مطابق في &quot;%1&quot;؛ تُعرض الأماكن في بلدان أخرى</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>الأماكن التي عُثر عليها</translation>
    </message>
    <message>
        <source>Use This Place</source>
        <translation>استخدام هذا المكان</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>البحث في الويب</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>يرجى إدخال الاسم</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>يرجى إدخال قيمة بين 0 و179 في درجات خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>يرجى إدخال قيمة بين 0 و59 في دقائق خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>يرجى إدخال قيمة بين 0 و89 في درجات خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>يرجى إدخال قيمة بين 0 و59 في دقائق خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>يرجى إدخال تاريخ أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>يرجى إدخال تاريخ أو شهر صحيح</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>تُقبل الأرقام فقط</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>يرجى إدخال حروف فقط</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign of your Part of Fortune, the point of your birth chart that shows where you find luck, joy and success. Know your sign and its promise.</source>
        <translation>يحسب Fortunix برج السعادة الخاص بك، أي برج سهم السعادة، تلك النقطة في خريطة ميلادك التي تبيّن أين تجد الحظ والفرح والنجاح. اعرف برجك وما يعدك به.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is a friendly place to share ideas and get answers. Come and visit it today!</source>
        <translation>منتدى النقاش في Vespera Softwares مكان ودود لتبادل الأفكار والحصول على الإجابات. تفضّل بزيارته اليوم!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business by reselling this software under your own brand name and logo, and keep all the profits for yourself.</source>
        <translation>فرصة عمل من المنزل. ابدأ عملك الخاص على الإنترنت بإعادة بيع هذا البرنامج باسم علامتك التجارية وشعارك، واحتفظ بكل الأرباح لنفسك.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own web site address and logo into this program and give it away to your visitors: each copy they pass on brings new visitors back to you.</source>
        <translation>اجعل هذا البرنامج يحمل علامة موقعك. ضع عنوان موقعك وشعاره في هذا البرنامج وقدّمه هدية لزوارك: كل نسخة يتناقلونها تعيد إليك زوارًا جددًا.</translation>
    </message>
    <message>
        <source>Fortunix calculates your Fortuna sign which is the zodiac sign holding your Part of Fortune, a point of the birth chart found from the Sun, the Moon and the ascendant. It signifies where you find luck and joy in life.</source>
        <translation>يحسب Fortunix برج السعادة الخاص بك، أي البرج الذي يقع فيه سهم السعادة، وهو نقطة في خريطة الميلاد تُستخرج من الشمس والقمر والطالع. ويدل على المواضع التي تجد فيها الحظ والفرح في حياتك.</translation>
    </message>
    <message>
        <source>Visit the Vespera Softwares web site</source>
        <translation>زر موقع Vespera Softwares</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Sell this program under your own brand name and keep all the profits. Start your own home business today.</source>
        <translation>فرصة عمل من المنزل. بِع هذا البرنامج باسم علامتك التجارية واحتفظ بكل الأرباح. ابدأ عملك الخاص من المنزل اليوم.</translation>
    </message>
    <message>
        <source>Vespera Softwares, such as this can be created and kept free only with the support of users like you. Please help us by visiting the Vespera Softwares discussion forum regularly and joining in: ask, answer and share your ideas.</source>
        <translation>برامج Vespera Softwares مثل هذا البرنامج لا يمكن أن تُصنع وتبقى مجانية إلا بدعم مستخدمين مثلك. ساعدنا بزيارة منتدى النقاش في Vespera Softwares بانتظام والمشاركة فيه: اسأل وأجب وشارك أفكارك.</translation>
    </message>
    <message>
        <source>Please support Vespera Softwares by visiting our discussion forum regularly. Read the newest posts, ask questions and help other members with your answers: your visits keep the forum alive and our programs free.</source>
        <translation>ادعم Vespera Softwares بزيارة منتدى النقاش لدينا بانتظام. اقرأ أحدث المشاركات، واطرح الأسئلة، وساعد الأعضاء الآخرين بإجاباتك: زياراتك تبقي المنتدى حيًّا وبرامجنا مجانية.</translation>
    </message>
    <message>
        <source>The Vespera Softwares discussion forum is free for everyone to join. Support us by visiting it regularly and taking part in its talks with other users like you.</source>
        <translation>منتدى النقاش في Vespera Softwares مفتوح للجميع مجانًا. ادعمنا بزيارته بانتظام والمشاركة في أحاديثه مع مستخدمين مثلك.</translation>
    </message>
    <message>
        <source>Our discussion forum needs your help. Support Vespera Softwares by visiting it regularly, asking your questions and sharing your experience, so that it grows into a lively place for all its users.</source>
        <translation>منتدى النقاش لدينا بحاجة إلى مساعدتك. ادعم Vespera Softwares بزيارته بانتظام وطرح أسئلتك ومشاركة خبرتك، حتى يصبح مكانًا نابضًا بالحياة لجميع مستخدميه.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely like our other programs too. Vespera Softwares makes a wide range of easy, useful programs for the home and the office: astrology and numerology readings, calendars and planners, tools for writing and printing, small utilities that keep your computer tidy, educational games for children and puzzles for the whole family. Most of them are free to try, and each one is made with the same care as this one. They are small, quick to install and simple to learn, so you can start in minutes. Click the link below to see the full collection and find your next favourite.</source>
        <translation>إذا أعجبك هذا البرنامج فستعجبك بالتأكيد برامجنا الأخرى أيضًا. تقدّم Vespera Softwares مجموعة واسعة من البرامج السهلة والمفيدة للمنزل والمكتب: قراءات في التنجيم وعلم الأعداد، وتقاويم ومنظِّمات، وأدوات للكتابة والطباعة، وأدوات صغيرة تحافظ على ترتيب حاسوبك، وألعاب تعليمية للأطفال وألغاز للعائلة كلها. يمكن تجربة معظمها مجانًا، وكل واحد منها مصنوع بالعناية نفسها التي صُنع بها هذا البرنامج. إنها صغيرة وسريعة التثبيت وسهلة التعلم، فتستطيع أن تبدأ في دقائق. انقر الرابط أدناه لترى المجموعة كاملة وتجد برنامجك المفضل التالي.</translation>
    </message>
    <message>
        <source>Yes, take me to the Vespera Softwares web site now to discover more useful programs</source>
        <translation>نعم، خذني الآن إلى موقع Vespera Softwares لأكتشف مزيدًا من البرامج المفيدة</translation>
    </message>
    <message>
        <source>the unreadable file could not be moved away</source>
        <translation>تعذّر نقل الملف غير المقروء</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>تعذّر إنشاء المجلد</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج<byte value="xd"/>هل تريد التحقق من وجود تحديث؟</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم الصديق</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>البريد الإلكتروني للصديق</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يرجى إدخال عنوانَي بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يرجى إدخال البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>قراءة %1</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>الصيغة</translation>
    </message>
    <message>
        <source>born before noon: ascendant + Moon − Sun</source>
        <translation>ولادة قبل الظهر: الطالع + القمر − الشمس</translation>
    </message>
    <message>
        <source>born from noon on: ascendant + Sun − Moon</source>
        <translation>ولادة من الظهر فصاعدًا: الطالع + الشمس − القمر</translation>
    </message>
    <message>
        <source>%1 %2 · sheet made on %3</source>
        <translation>%1 %2 · أُنشئت الورقة في %3</translation>
    </message>
    <message>
        <source>&amp;Remember Births</source>
        <translation>&amp;تذكّر الولادات</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>&amp;مسح الولادات الأخيرة</translation>
    </message>
    <message>
        <source>&amp;Save Reading as PDF…</source>
        <translation>&amp;حفظ القراءة بصيغة PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;معاينة الطباعة…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save it as a PDF file instead?</source>
        <translation>لا توجد طابعة مثبتة. هل تريد حفظها بدلًا من ذلك كملف PDF؟</translation>
    </message>
    <message>
        <source>The reading could not be printed. Do you want to save it as a PDF file instead?</source>
        <translation>تعذّرت طباعة القراءة. هل تريد حفظها بدلًا من ذلك كملف PDF؟</translation>
    </message>
    <message>
        <source>Fortunix Result</source>
        <translation>نتيجة Fortunix</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>⁦%1⁩ شمالًا</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>⁦%1⁩ جنوبًا</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>⁦%1⁩ شرقًا</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>⁦%1⁩ غربًا</translation>
    </message>
    <message>
        <source>Birthplace time,%1</source>
        <translation>توقيت مكان الميلاد,%1</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>ساعة:دقيقة:ثانية</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>Simmering with energy, you always seem to be a step ahead of everyone around you. The Part of Fortune in Aries gives you the courage of a pioneer: you are happiest when you open a road that nobody has walked before, and your enthusiasm carries others along with you. New beginnings suit you, whether a fresh project, a new home or an untried idea, and luck meets you when you act boldly. Yet that same fire can make you impatient, quick to start and slow to finish. Learn to pause before you leap, and let others keep pace with you. If you channel your energy into one clear goal at a time, your drive becomes a lasting strength, not a passing spark.</source>
        <translation>تفيض بالطاقة، وتبدو دائمًا متقدمًا بخطوة على كل من حولك. يمنحك سهم السعادة في برج الحمل شجاعة الرائد: فأنت في أسعد حالاتك حين تشق طريقًا لم يسلكه أحد قبلك، وحماسك يجذب الآخرين معك. تلائمك البدايات الجديدة، سواء كانت مشروعًا جديدًا أو بيتًا جديدًا أو فكرة لم تُجرَّب بعد، ويلقاك الحظ حين تتصرف بجرأة. غير أن هذه النار نفسها قد تجعلك قليل الصبر، سريعًا في البدء بطيئًا في الإتمام. تعلّم أن تتمهل قبل أن تقفز، وأن تتيح للآخرين مجاراة خطاك. وإذا وجّهت طاقتك نحو هدف واضح واحد في كل مرة، صار اندفاعك قوة راسخة لا شرارة عابرة.</translation>
    </message>
    <message>
        <source>You are blessed with notable poise and a calm that others find reassuring. With the Part of Fortune in Taurus, your fortune grows slowly and surely, like a garden tended with care. You have great endurance: where others quit, you keep going, and your patience turns modest beginnings into solid results. You enjoy beauty, comfort and the simple pleasures of good food, music and nature, and you are at your best when you feel secure. Your steadiness can turn into stubbornness, though, and you may cling to old grievances or habits long after they have stopped serving you. Let go of the past, avoid ways that harm you or others, and your calm will carry you far.</source>
        <translation>أنت منعَم باتزان لافت وهدوء يبعث الطمأنينة في نفوس الآخرين. ومع سهم السعادة في برج الثور، ينمو حظك ببطء وثبات، كحديقة تُرعى بعناية. لديك قدرة كبيرة على التحمل: فحيث يستسلم الآخرون تواصل أنت المسير، وصبرك يحوّل البدايات المتواضعة إلى نتائج متينة. تستمتع بالجمال والراحة وبالمتع البسيطة من طعام طيب وموسيقى وطبيعة، وتكون في أفضل حالاتك حين تشعر بالأمان. لكن ثباتك قد ينقلب عنادًا، فتتشبث بضغائن قديمة أو عادات بالية بعد أن تكفّ عن نفعك بزمن طويل. دع الماضي وراءك، وتجنّب كل ما يؤذيك أو يؤذي غيرك، وسيحملك هدوؤك إلى أبعد مدى.</translation>
    </message>
    <message>
        <source>Like a child full of inquisitiveness asking why the sky is blue, you meet the world with endless questions. The Part of Fortune in Gemini gives you a quick mind, a ready tongue and the versatility to juggle many tasks at once. You learn fast, adapt easily and can talk with almost anyone, which wins you friends and openings wherever you go. Your wit and humour lighten any room. Fortune comes to you through words, travel, letters and a lively exchange of ideas. Beware of pride in your own cleverness, for it can make you dismiss what others know. When your mind races in many directions, trust your intuition: it often finds the way before your reason does.</source>
        <translation>كطفل يفيض فضولًا ويسأل لماذا السماء زرقاء، تستقبل العالم بأسئلة لا تنتهي. يمنحك سهم السعادة في برج الجوزاء ذهنًا حاضرًا ولسانًا طلقًا ومرونة تتيح لك أن تدير مهام كثيرة في آن واحد. تتعلم بسرعة وتتأقلم بسهولة وتستطيع أن تتحدث مع أي شخص تقريبًا، فتكسب الأصدقاء والفرص أينما ذهبت. ذكاؤك وروح الدعابة لديك يضفيان البهجة على أي مكان. ويأتيك الحظ عبر الكلمات والأسفار والرسائل وتبادل الأفكار الحيّ. احذر الاعتداد بذكائك، فقد يدفعك إلى الاستخفاف بما يعرفه الآخرون. وحين تتسابق أفكارك في اتجاهات شتى، ثق بحدسك، فكثيرًا ما يهتدي إلى الطريق قبل عقلك.</translation>
    </message>
    <message>
        <source>You are blessed with motherly qualities like compassion, tenderness and a deep wish to protect those you love. With the Part of Fortune in Cancer, your happiness grows from caring for others and from making a home where people feel safe. You sense the moods of family and friends and know how to comfort them without many words. Your loyalty is deep and steady. You find real joy in giving birth, whether to children or to ideas and projects that you nurture until they can stand on their own. Remember to care for yourself as warmly as you care for others, so that your own kindness never runs dry.</source>
        <translation>أنت منعَم بصفات الأمومة من رحمة وحنان ورغبة عميقة في حماية من تحب. ومع سهم السعادة في برج السرطان، تنبع سعادتك من رعاية الآخرين ومن بناء بيت يشعر فيه الناس بالأمان. تحسّ بمشاعر أهلك وأصدقائك وتعرف كيف تواسيهم دون كلام كثير. وفاؤك عميق وثابت. وتجد فرحًا حقيقيًا في أن تهب الحياة، سواء لأبناء أو لأفكار ومشروعات ترعاها حتى تقف على قدميها. وتذكّر أن تعتني بنفسك بالدفء نفسه الذي تعتني به بالآخرين، كي لا ينضب عطاؤك أبدًا.</translation>
    </message>
    <message>
        <source>An epitome of optimism, liveliness and high-level-energy, you light up the places you enter. The Part of Fortune in Leo gives you warmth and a natural presence that draws people to you, and your confidence inspires others to believe in themselves. You are generous with your time, your praise and your resources, and you take pleasure in watching others shine. Creative work, play and leadership bring out the best in you. Your integrity is one of your greatest gifts: people trust you because you keep your word. Let your heart lead, but share the stage freely, and the admiration you win will be lasting and well-deserved.</source>
        <translation>أنت صورة حية للتفاؤل والحيوية والطاقة المتدفقة، تضيء كل مكان تدخله. يمنحك سهم السعادة في برج الأسد دفئًا وحضورًا طبيعيًا يجذب الناس إليك، وثقتك بنفسك تلهم الآخرين أن يؤمنوا بأنفسهم. أنت كريم بوقتك وثنائك ومواردك، وتسعد برؤية الآخرين يتألقون. العمل الإبداعي واللعب والقيادة تُخرج أفضل ما فيك. ونزاهتك من أعظم مواهبك: فالناس يثقون بك لأنك تفي بوعدك. دع قلبك يقودك، لكن شارك الآخرين المسرح عن طيب خاطر، وسيكون الإعجاب الذي تناله دائمًا ومستحقًا.</translation>
    </message>
    <message>
        <source>The native with part of fortune in Virgo seeks perfection in everything, and if this is you, you know the quiet pleasure of a task done well. You love order and discipline, and you bring method where others see only confusion. Your practical sense is a real gift: you notice the small detail that makes a plan work, and you are happy to be useful to the people around you. Good fortune comes to you through careful work, service, health and daily routines. Your high standards can turn inward, however, into worry or self-criticism, and you may carry old hurts for years. Forgive yourself and others, let old wounds heal, and your good sense will serve you well.</source>
        <translation>صاحب سهم السعادة في برج العذراء ينشد الكمال في كل شيء، فإن كنت كذلك فأنت تعرف المتعة الهادئة لعمل أُنجز بإتقان. تحب النظام والانضباط، وتُدخل المنهج حيث لا يرى الآخرون إلا الفوضى. حسّك العملي موهبة حقيقية: فأنت تلحظ التفصيل الصغير الذي يُنجح الخطة، ويسعدك أن تكون نافعًا لمن حولك. ويأتيك الحظ الحسن عبر العمل المتقن وخدمة الآخرين والعناية بالصحة والنظام اليومي. غير أن معاييرك العالية قد تنقلب إلى الداخل قلقًا أو جلدًا للذات، وقد تحمل جراحًا قديمة سنوات طويلة. سامح نفسك وسامح الآخرين، ودع الجراح القديمة تلتئم، وسيخدمك حسن تقديرك خير خدمة.</translation>
    </message>
    <message>
        <source>Having part of fortune in Libra signifies a gift for diplomacy, harmony and grace, and you move through life looking for balance. You see both sides of a question and can bring opposing people to a fair agreement, so others often turn to you to settle their disputes. Beauty matters to you, in art, in manners and in the way you treat people, and your charm opens doors. Partnerships of every kind, in love, friendship and business, are where your fortune grows. Your challenge is to weigh your own needs as carefully as those of others. Help people gladly, but do not lose yourself in pleasing them. When you balance your own interests with care for others, you find lasting peace.</source>
        <translation>وجود سهم السعادة في برج الميزان يدل على موهبة في الدبلوماسية والانسجام والرقة، وأنت تمضي في الحياة باحثًا عن التوازن. ترى وجهي المسألة، وتستطيع أن تقود المتخاصمين إلى اتفاق عادل، لذلك كثيرًا ما يلجأ إليك الآخرون لفض نزاعاتهم. الجمال يعني لك الكثير، في الفن وفي الآداب وفي طريقة معاملتك للناس، وسحرك يفتح لك الأبواب. وفي الشراكات بكل أنواعها، في الحب والصداقة والعمل، ينمو حظك. والتحدي أمامك أن تزن حاجاتك بالعناية نفسها التي تزن بها حاجات الآخرين. ساعد الناس عن طيب نفس، لكن لا تُضِع نفسك في إرضائهم. وحين توازن بين مصالحك ورعايتك للآخرين، تجد سلامًا دائمًا.</translation>
    </message>
    <message>
        <source>Gifted with exceptional power of perception and intuition, you see beneath the surface of people and events. The Part of Fortune in Scorpio lets you sense hidden motives and unspoken feelings, and you are seldom fooled for long. You are drawn to the mysteries of life and do not fear to face what others avoid. This depth gives you great strength in a crisis, when you stay calm and focused while others lose their heads. Your greatest treasure is self-knowledge: the more honestly you look within, the more power you gain. Face your fears without flinching, use your insight with care, and you can transform yourself and others.</source>
        <translation>أنت موهوب بقدرة استثنائية على الإدراك والحدس، فترى ما وراء ظاهر الناس والأحداث. يتيح لك سهم السعادة في برج العقرب أن تستشعر الدوافع الخفية والمشاعر التي لم يُفصح عنها، ونادرًا ما ينجح أحد في خداعك طويلًا. تجذبك أسرار الحياة، ولا تخشى مواجهة ما يتجنبه الآخرون. هذا العمق يمنحك قوة كبيرة في الأزمات، حين تبقى هادئًا مركّزًا بينما يفقد الآخرون صوابهم. وأثمن كنوزك معرفتك بنفسك: فكلما نظرت في داخلك بصدق أكبر، ازددت قوة. واجه مخاوفك دون أن تتراجع، واستخدم بصيرتك بحكمة، وستستطيع أن تُحدث تحولًا في نفسك وفي الآخرين.</translation>
    </message>
    <message>
        <source>The person born with the part of fortune in Sagittarius looks at life as a great journey, and if that is you, you are happiest when you are learning something new. You have a philosophical outlook and a natural urge to find meaning in what happens to you. You love to share what you learn, and you make a generous teacher, guide or storyteller. Adventure calls you, and you may find your luck far from home, in foreign lands, among people of other cultures or in the study of distant ideas. Your optimism and sense of humour help you recover quickly from setbacks. Take care not to promise more than you can deliver, and keep your feet on the ground while your mind roams. Follow your curiosity, and your horizons will widen.</source>
        <translation>من يولد وسهم السعادة في برج القوس يرى الحياة رحلة كبرى، فإن كنت كذلك فأنت في أسعد حالاتك حين تتعلم شيئًا جديدًا. لديك نظرة فلسفية ونزعة فطرية إلى البحث عن معنى لما يحدث لك. تحب أن تشارك الآخرين ما تتعلمه، فتكون معلمًا أو مرشدًا أو راويًا كريمًا. المغامرة تناديك، وقد تجد حظك بعيدًا عن موطنك، في بلاد غريبة، بين أناس من ثقافات أخرى، أو في دراسة أفكار بعيدة. تفاؤلك وروح الدعابة لديك يساعدانك على النهوض سريعًا من العثرات. احرص ألا تعد بأكثر مما تستطيع الوفاء به، وأبقِ قدميك على الأرض بينما يجول فكرك. اتبع فضولك، وستتسع آفاقك.</translation>
    </message>
    <message>
        <source>Possessing the phenomenal capacity to push your way through obstacles, you build your life step by step. With the Part of Fortune in Capricorn, your gift is practical achievement: you set goals, make plans and work steadily until they are done. You are good at laying foundations, for a career, a family or a business, and what you build tends to last. Your determination earns respect, and responsibility sits well on your shoulders. At times you may sink into inertia, waiting for a perfect moment that never comes. Shake it off and take the first small step; once you move, your patience and discipline carry you to the top.</source>
        <translation>تملك قدرة مذهلة على شق طريقك عبر العقبات، وتبني حياتك خطوة بخطوة. ومع سهم السعادة في برج الجدي، تكمن موهبتك في الإنجاز العملي: تضع الأهداف وترسم الخطط وتعمل بثبات حتى تتحقق. تجيد إرساء الأسس، لمسيرة مهنية أو أسرة أو عمل تجاري، وما تبنيه يدوم في الغالب. عزيمتك تكسبك الاحترام، والمسؤولية تليق بك. لكنك قد تغرق أحيانًا في الخمول، منتظرًا لحظة مثالية لا تأتي أبدًا. انفض عنك هذا الخمول وخُذ الخطوة الصغيرة الأولى، فما إن تتحرك حتى يحملك صبرك وانضباطك إلى القمة.</translation>
    </message>
    <message>
        <source>You are extremely unorthodox, advanced in your thinking and open-minded in your judgement. With the Part of Fortune in Aquarius, you see possibilities that others miss, and you dare to question rules that no longer make sense. You value freedom, friendship and fairness, and you judge people by what they do, not by where they come from. Groups, causes and new technology bring out your best, and your ideas often run ahead of their time. You may sometimes feel you do not fit in, or that others do not understand you. Accept your distinctness as a gift, not as a burden: the world needs people who think differently, and your difference is your fortune.</source>
        <translation>أنت غير تقليدي إلى أبعد حد، متقدم في تفكيرك ومنفتح في أحكامك. ومع سهم السعادة في برج الدلو، ترى إمكانات تفوت الآخرين، وتجرؤ على مساءلة القواعد التي لم يعد لها معنى. تقدّر الحرية والصداقة والإنصاف، وتحكم على الناس بأفعالهم لا بأصولهم. الجماعات والقضايا والتقنيات الجديدة تُخرج أفضل ما فيك، وأفكارك كثيرًا ما تسبق زمانها. قد تشعر أحيانًا بأنك لا تنتمي، أو بأن الآخرين لا يفهمونك. تقبّل اختلافك على أنه هبة لا عبء: فالعالم يحتاج إلى من يفكرون بطريقة مختلفة، واختلافك هو حظك.</translation>
    </message>
    <message>
        <source>The part of fortune in Pisces indicates a rich imagination and an enigmatic elegance that others find hard to describe. You live partly in a world of dreams, and you feel the joys and sorrows of others as if they were your own. Music, poetry, painting and dance may speak to you more deeply than words. Your sensitivity is a gift, but it needs an outlet: without one, you may drift or feel overwhelmed by the world. Find a creative path for your dreams, and give shape to what you feel. Compassion and quiet faith guide you well, and your deepest fortune lies in spiritual fulfilment, in the sense of being part of something larger.</source>
        <translation>يدل سهم السعادة في برج الحوت على خيال خصب وأناقة غامضة يصعب على الآخرين وصفها. تعيش جزئيًا في عالم من الأحلام، وتشعر بأفراح الآخرين وأحزانهم كأنها أفراحك وأحزانك. قد تخاطبك الموسيقى والشعر والرسم والرقص بعمق أكبر مما تفعله الكلمات. رهافة حسك موهبة، لكنها تحتاج إلى متنفس: فمن دونه قد تنجرف مع التيار أو تشعر بأن العالم يثقل عليك. ابحث عن طريق إبداعي لأحلامك، وامنح ما تشعر به شكلًا. الرحمة والإيمان الهادئ يهديانك جيدًا، وأعمق حظك يكمن في الاكتمال الروحي، في الإحساس بأنك جزء من شيء أكبر.</translation>
    </message>
</context>
<context>
    <name>ReadingSheet</name>
    <message>
        <source>Part of Fortune</source>
        <translation>سهم السعادة</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>Aries</source>
        <translation>الحمل</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>الثور</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>الجوزاء</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>السرطان</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>الأسد</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>العذراء</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>الميزان</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>العقرب</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>القوس</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>الجدي</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>الدلو</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>الحوت</translation>
    </message>
</context>
<context>
    <name>TimeZone</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>توقيت ألاسكا/هاواي الصيفي,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>توقيت ألاسكا/هاواي القياسي,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>توقيت ألاسكا/هاواي الحربي,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>توقيت الأطلسي القياسي,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>توقيت الأطلسي الحربي,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>توقيت وسط أستراليا الصيفي,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>توقيت وسط أستراليا القياسي,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>توقيت شرق أستراليا الصيفي,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>توقيت شرق أستراليا القياسي,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>توقيت غرب أستراليا الصيفي,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>توقيت غرب أستراليا القياسي,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>توقيت جزر الأزور, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>توقيت بغداد, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>توقيت بيرنغ القياسي,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>البرازيل، المنطقة 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>التوقيت الصيفي البريطاني المزدوج,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>التوقيت الصيفي البريطاني,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>التوقيت البريطاني الحربي,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>التوقيت الصيفي المركزي,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>توقيت وسط أوروبا الصيفي,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>توقيت وسط أوروبا,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>التوقيت القياسي المركزي,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>التوقيت الحربي المركزي,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>توقيت الساحل الصيني,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>التوقيت الصيفي الشرقي,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>توقيت شرق أوروبا الصيفي,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>توقيت شرق أوروبا,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>التوقيت القياسي الشرقي,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>التوقيت الحربي الشرقي,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>توقيت غرينتش,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>توقيت غوام القياسي,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>توقيت هاواي الصيفي,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>توقيت هاواي القياسي,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>توقيت هاواي الحربي,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>توقيت الهند, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>خط التاريخ الدولي، شرق,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>خط التاريخ الدولي، غرب,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>توقيت إيران, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>توقيت اليابان القياسي,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>توقيت جاوة, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>توقيت أوروبا الوسطى الصيفي,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>توقيت أوروبا الوسطى,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>توقيت جزر الملوك, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>التوقيت الصيفي الجبلي,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>التوقيت القياسي الجبلي,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>التوقيت الحربي الجبلي,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>توقيت نيوزيلندا الصيفي,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>توقيت نيوزيلندا القياسي,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>توقيت نيوزيلندا الصيفي,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>توقيت نيوزيلندا,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>توقيت نيوفاوندلاند القياسي,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>توقيت نوم, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>توقيت شمال سومطرة,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>توقيت المحيط الهادئ الصيفي,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>توقيت المحيط الهادئ القياسي,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>توقيت المحيط الهادئ الحربي,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>توقيت جنوب أستراليا الصيفي,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>توقيت جنوب أستراليا الصيفي,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>توقيت جنوب أستراليا القياسي,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>توقيت جنوب أستراليا القياسي,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>توقيت جنوب سومطرة,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>التوقيت العالمي, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>الاتحاد السوفيتي، المنطقة 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>الاتحاد السوفيتي، المنطقة 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>الاتحاد السوفيتي، المنطقة 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>الاتحاد السوفيتي، المنطقة 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>الاتحاد السوفيتي، المنطقة 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>توقيت غرب أفريقيا,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>توقيت يوكون الصيفي,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>توقيت يوكون القياسي,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>توقيت يوكون الحربي,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>fortunix::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;اللغة</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>لغة ال&amp;نظام</translation>
    </message>
</context>
</TS>
