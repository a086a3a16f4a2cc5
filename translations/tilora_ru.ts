<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Клетка %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Tilora не может открыть этот файл как изображение.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>Изображение повреждено или неполное.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>Изображение слишком большое, чтобы его открыть.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Головоломка с изображениями</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>О программе Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>О программе Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora — головоломка с изображениями. Версия 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Закрыть окно «О программе»</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Вы выиграли!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Поздравляем с победой!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Увы, вы проиграли!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Изображение целиком</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Выбрать изображение и начать новую игру</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>О программе Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Выйти из Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Затраченное время</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Не удалось открыть изображение «%1».

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Выбор игры</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Начать новую игру с выбранным изображением</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Закрыть, не начиная игру</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Не удаётся открыть</translation>
    </message>
</context>
</TS>
