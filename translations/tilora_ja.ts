<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>マス %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Tilora で開ける画像ファイルではありません。</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>画像が壊れているか、不完全です。</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>画像が大きすぎて開けません。</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>画像パズル</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Tilora について</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Tilora について</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora - 画像パズル。バージョン 1.0。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>バージョン情報のウィンドウを閉じます</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>クリア！</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>おめでとう、クリアです！</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>残念、時間切れです！</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>画像全体</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>画像を選んで新しいゲームを始めます</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Tilora について</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Tilora を終了します</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>画像「%1」を開けませんでした。

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>ゲームの選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>選んだ画像で新しいゲームを始めます</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>ゲームを始めずに閉じます</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>開けません</translation>
    </message>
</context>
</TS>
