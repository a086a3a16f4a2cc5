<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Клітинка %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Файла не існує.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Не вдалося прочитати файл.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Tilora не може відкрити цей файл як зображення.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>Зображення пошкоджене або неповне.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>Зображення завелике, щоб його відкрити.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Головоломка із зображеннями</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Про Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Про Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora — головоломка із зображеннями. Версія 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Закрити вікно «Про програму»</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Ви виграли!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Вітаємо, ви виграли!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>На жаль, ви програли!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Зображення повністю</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Вибрати зображення і почати нову гру</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Про Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Вийти з Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Витрачений час</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Не вдалося відкрити зображення «%1».

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Вибір гри</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Почати нову гру з вибраним зображенням</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Закрити, не починаючи гри</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Не вдається відкрити</translation>
    </message>
</context>
</TS>
