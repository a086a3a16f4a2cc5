<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Kare %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Dosya yok.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Dosya okunamadı.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Dosya, Tilora’nın açabileceği bir resim değil.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>Resim hasarlı ya da eksik.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>Resim açılamayacak kadar büyük.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Resimli bir yapboz</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Tilora hakkında</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Tilora hakkında</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, resimli bir yapboz. Sürüm 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Hakkında penceresini kapat</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Kazandınız!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Tebrikler, kazandınız!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Üzgünüz, kaybettiniz!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Resmin tamamı</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni Oyun</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Bir resim seçip yeni bir oyun başlat</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Tilora hakkında</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Tilora’dan çık</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Geçen süre</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>“%1” resmi açılamadı.

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Oyun Seç</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Seçilen resimle yeni bir oyun başlat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Oyun başlatmadan kapat</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Açılamıyor</translation>
    </message>
</context>
</TS>
