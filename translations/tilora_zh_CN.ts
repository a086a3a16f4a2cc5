<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>第 %1 格</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>此文件不是 Tilora 能打开的图片。</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>图片已损坏或不完整。</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>图片太大，无法打开。</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>图片拼图游戏</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>关于 Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>关于 Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora，一款图片拼图游戏。版本 1.0。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>关闭“关于”窗口</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>你赢了！</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>恭喜，你赢了！</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>很遗憾，你输了！</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>完整图片</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>选择一张图片，开始新游戏</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>关于 Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>退出 Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>无法打开图片“%1”。

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>选择游戏</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>用所选图片开始新游戏</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>关闭，不开始游戏</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>无法打开</translation>
    </message>
</context>
</TS>
