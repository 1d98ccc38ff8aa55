<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BitmapFile</name>
    <message>
        <source>ビットマップファイルではありません</source>
        <translation>not a bitmap file</translation>
    </message>
    <message>
        <source>%1×%2 ピクセル、%3 ビット</source>
        <translation>%1 × %2 pixels, %3-bit</translation>
    </message>
    <message>
        <source>、上から下への並び</source>
        <translation>, rows top to bottom</translation>
    </message>
    <message>
        <source>、圧縮形式 %1</source>
        <translation>, compression %1</translation>
    </message>
    <message>
        <source>、%1 バイトのところ %2 バイトで途切れています</source>
        <translation>, cut short at %2 of %1 bytes</translation>
    </message>
</context>
<context>
    <name>ButtonFaces</name>
    <message>
        <source>経路図</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>相関図</source>
        <translation>Correl.</translation>
    </message>
    <message>
        <source>教示ポイント変更</source>
        <translation>Edit points</translation>
    </message>
    <message>
        <source>教示ポイント再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>位置確認スライダ</source>
        <translation>Slider</translation>
    </message>
</context>
<context>
    <name>CorrSetup</name>
    <message>
        <source>データファイルが指定されていません。</source>
        <translation>No data file is chosen.</translation>
    </message>
    <message>
        <source>プロット速度指定不正です。</source>
        <translation>The plot speed is not valid.</translation>
    </message>
    <message>
        <source>行指定不正です。</source>
        <translation>The start row is not valid.</translation>
    </message>
    <message>
        <source>設定内容は、新規もしくは変更されています。設定内容を保存しますか？</source>
        <translation>The setup is new or changed. Save it?</translation>
    </message>
    <message>
        <source>列指定不正です。</source>
        <translation>A column is not valid.</translation>
    </message>
    <message>
        <source>ｾｯﾄｱｯﾌﾟ Files (*.kvs)|*.kvs|All Files (*.*)|*.*||</source>
        <translation>Setup Files (*.kvs)|*.kvs|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>セットアップファイルに誤りがあります、手入力にてセットアップしてください。</source>
        <translation>The setup file has errors. Please enter the setup by hand.</translation>
    </message>
    <message>
        <source>セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。</source>
        <translation>The setup has errors. Please check it and save again.</translation>
    </message>
    <message>
        <source>時刻列指定不正です。</source>
        <translation>The time column is not valid.</translation>
    </message>
</context>
<context>
    <name>CorrelationDiagram</name>
    <message>
        <source>前回設定内容が存在します。修正しますか？</source>
        <translation>There is a previous setup. Change it?</translation>
    </message>
</context>
<context>
    <name>CorrelationPicture</name>
    <message>
        <source>X平均値  : </source>
        <translation>X mean   : </translation>
    </message>
    <message>
        <source>Y平均値  : </source>
        <translation>Y mean   : </translation>
    </message>
    <message>
        <source>相関係数 : </source>
        <translation>Correl.  : </translation>
    </message>
</context>
<context>
    <name>DataRead</name>
    <message>
        <source>セミコロン</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>カンマ</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>ピリオド</source>
        <translation>period</translation>
    </message>
    <message>
        <source>区切り文字: %1、小数点: %2</source>
        <translation>separator: %1, decimal mark: %2</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>補間速度</source>
        <translation>Interpolation speed</translation>
    </message>
    <message>
        <source>プロット速度</source>
        <translation>Plot speed</translation>
    </message>
    <message>
        <source>ファイルが空です</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>ファイルは %1 行で、データ開始行 %2 行目がありません</source>
        <translation>the file ends at line %1, before start row %2</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>読み取りが許可されていません</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>%1 行 (最初は %2 行目)</source>
        <translation>%1 of the rows (first on line %2)</translation>
    </message>
    <message>
        <source>このファイルは「%1」として読みました。</source>
        <translation>Read this file as “%1”.</translation>
    </message>
    <message>
        <source>%1 行目は見出し行として読み飛ばしましたが、数値が入っています。見出し行のないファイルでは最初の点が使われません。%1 行目に見出し行を入れてください。</source>
        <translation>Line %1 was skipped as a heading line, but it holds numbers. In a file without a heading line the first point is not used. Put a heading line on line %1.</translation>
    </message>
    <message>
        <source>データファイルを開けません (%1)。</source>
        <translation>Cannot open the data file (%1).</translation>
    </message>
    <message>
        <source>データファイルにデータ行がありません (%1)。</source>
        <translation>The data file has no data rows (%1).</translation>
    </message>
    <message>
        <source>%1 (%2 列目): 数値でない値が %3</source>
        <translation>%1 (column %2): not a number in %3</translation>
    </message>
    <message>
        <source>%1 (%2 列目): この列がない行が %3</source>
        <translation>%1 (column %2): missing in %3</translation>
    </message>
    <message>
        <source>数値でない値は 0 として扱われます。</source>
        <translation>A value that is not a number counts as 0.</translation>
    </message>
    <message>
        <source>列がない行では、前の行のその列の値 (なければ 0) が使われます。</source>
        <translation>Where a row lacks a column, the value of the row before is used (0 if there is none).</translation>
    </message>
    <message>
        <source>%1 行目は見出し行のようです。データ開始行を %2 にしてください。</source>
        <translation>Line %1 looks like a heading line. Set the start row to %2.</translation>
    </message>
    <message>
        <source>データ開始行 %1 行目から後に数値の行がありません</source>
        <translation>no line from start row %1 on holds numbers</translation>
    </message>
    <message>
        <source>%1 行目ほか</source>
        <translation>lines %1 and more</translation>
    </message>
    <message>
        <source>空行 %1 行を読み飛ばしました (%2)。</source>
        <translation>Empty lines skipped: %1 (%2).</translation>
    </message>
    <message>
        <source>数値のない行 %1 行をデータから除きました (%2)。</source>
        <translation>Lines without a number left out: %1 (%2).</translation>
    </message>
    <message>
        <source>区切り文字か小数点がほかの行と違う行 %1 行をデータから除きました (%2)。</source>
        <translation>Lines with another separator or decimal mark than the rest left out: %1 (%2).</translation>
    </message>
    <message>
        <source>データファイルの行が多すぎます。読めるのは %1 行までです。</source>
        <translation>The data file has too many rows. At most %1 rows can be read.</translation>
    </message>
    <message>
        <source>データファイルから %1 行を読みました。</source>
        <translation>Rows read from the data file: %1.</translation>
    </message>
    <message>
        <source>時刻 (%1 列目) を読める行がありません。一定の速度で再生します。</source>
        <translation>No row has a readable time in column %1. Playing at a fixed speed.</translation>
    </message>
    <message>
        <source>時刻 (%1 列目) がないか読めない行 %2 行は前の行の時刻で再生します (%3)。</source>
        <translation>Rows with no readable time in column %1: %2, played at the time of the row before (%3).</translation>
    </message>
    <message>
        <source>時刻 (%1 列目) が前の行より戻っている行 %2 行は前の行の時刻で再生します (%3)。</source>
        <translation>Rows whose time in column %1 goes back: %2, played at the time of the row before (%3).</translation>
    </message>
</context>
<context>
    <name>DataReadLines</name>
    <message>
        <source>%1 行目</source>
        <translation>lines %1</translation>
    </message>
</context>
<context>
    <name>DataReadNote</name>
    <message>
        <source>空行 %1 (%2)</source>
        <translation>%1 empty (%2)</translation>
    </message>
    <message>
        <source>数値のない行 %1 (%2)</source>
        <translation>%1 without a number (%2)</translation>
    </message>
    <message>
        <source>区切り文字か小数点の違う行 %1 (%2)</source>
        <translation>%1 in another dialect (%2)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 行を読みました。除いた行: %2</source>
        <translation>%1 rows read; left out: %2</translation>
    </message>
</context>
<context>
    <name>DataReadOneLine</name>
    <message>
        <source>%1 行目</source>
        <translation>line %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>X値</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y値</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>相関図ﾂｰﾙ</source>
        <translation>Correlation</translation>
    </message>
    <message>
        <source>経路図ﾂｰﾙ</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Traceletのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Tracelet</translation>
    </message>
    <message>
        <source>OK&#x3000;or&#x3000;キャンセル</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>相関図セットアップ</source>
        <translation>Correlation Setup</translation>
    </message>
    <message>
        <source>データファイル</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>データ指定</source>
        <translation>Data columns</translation>
    </message>
    <message>
        <source>データ １ (X軸)</source>
        <translation>Data 1 (X)</translation>
    </message>
    <message>
        <source>列目をﾃﾞｰﾀとする。</source>
        <translation>(column)</translation>
    </message>
    <message>
        <source>データ １ (Y軸)</source>
        <translation>Data 1 (Y)</translation>
    </message>
    <message>
        <source>データ ２ (X軸)</source>
        <translation>Data 2 (X)</translation>
    </message>
    <message>
        <source>データ ２ (Y軸)</source>
        <translation>Data 2 (Y)</translation>
    </message>
    <message>
        <source>データ 開始行</source>
        <translation>Start row</translation>
    </message>
    <message>
        <source>行目をﾃﾞｰﾀとする。</source>
        <translation>(line)</translation>
    </message>
    <message>
        <source>プロット速度を設定する。</source>
        <translation>Set the plot speed</translation>
    </message>
    <message>
        <source>(msec 50～&#x3000;)</source>
        <translation>50–10000 ms</translation>
    </message>
    <message>
        <source>枠スケール設定</source>
        <translation>Axis range</translation>
    </message>
    <message>
        <source>オートスケールとする。</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>X軸：</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y軸：</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>セットアップファイル</source>
        <translation>Setup file</translation>
    </message>
    <message>
        <source>ｾｯﾄｱｯﾌﾟ保存</source>
        <translation>Save setup</translation>
    </message>
    <message>
        <source>経路図セットアップ</source>
        <translation>Path Setup</translation>
    </message>
    <message>
        <source>バックグランウンド画面</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>キャラクタ</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>バックグランウンド画面原点（左下）</source>
        <translation>Background origin (bottom left)</translation>
    </message>
    <message>
        <source>x ：</source>
        <translation>x:</translation>
    </message>
    <message>
        <source>y ：</source>
        <translation>y:</translation>
    </message>
    <message>
        <source>移動ポイント設定</source>
        <translation>Route points</translation>
    </message>
    <message>
        <source>教示ポイント間の移動速度</source>
        <translation>Time between points</translation>
    </message>
    <message>
        <source>msec(1000～10000 )</source>
        <translation>ms (10–10000)</translation>
    </message>
    <message>
        <source>教示ポイントデータとする</source>
        <translation>Teach the points</translation>
    </message>
    <message>
        <source>教示ポイント間の分割数</source>
        <translation>Steps between points</translation>
    </message>
    <message>
        <source>(1～100)</source>
        <translation>(1–100)</translation>
    </message>
    <message>
        <source>直線補間</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>曲線補間</source>
        <translation>Curved</translation>
    </message>
    <message>
        <source>バックグラウンド画面セットアップ</source>
        <translation>Background Setup</translation>
    </message>
    <message>
        <source>バックグランウンド画面 左下位置設定(pixel)</source>
        <translation>Bottom-left corner position (pixels)</translation>
    </message>
    <message>
        <source>選択した画面上の、左下の位置データを指定してください。例えば100×100pixelの画面上の中心点が(0,0)するならば、上記(x,y)には(-50,-50)と入力してください。</source>
        <translation>The bottom-left corner of the image. For (0,0) at the centre of a 100 × 100 pixel image, enter (-50,-50) above.</translation>
    </message>
    <message>
        <source>教示ポイントの座標入力</source>
        <translation>Type a Teaching Point</translation>
    </message>
    <message>
        <source>教示ポイントの位置（X値・Y値と同じ単位）</source>
        <translation>Position of the teaching point (units of the X and Y boxes)</translation>
    </message>
    <message>
        <source>データに合わせた枠とする。</source>
        <translation>Frame fitted to the data</translation>
    </message>
    <message>
        <source>見出しを軸の名前とする。</source>
        <translation>Headings name the axes</translation>
    </message>
    <message>
        <source>経路ファイルの見出しを UTF-8 で書く</source>
        <translation>Write the route file heading in UTF-8</translation>
    </message>
    <message>
        <source>縮尺 ：</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>縮尺 (データ単位/pixel)：</source>
        <translation>Scale (data units/pixel):</translation>
    </message>
    <message>
        <source>地図上の2点で縮尺を合わせる...</source>
        <translation>Set the scale by two points on the map...</translation>
    </message>
    <message>
        <source>地図の縮尺合わせ</source>
        <translation>Map Scale</translation>
    </message>
    <message>
        <source>距離の分かる2点を地図上でクリックしてください。3回目のクリックで選び直します。</source>
        <translation>Click two points on the map whose distance you know. A third click starts a new pair.</translation>
    </message>
    <message>
        <source>2点間の距離 (データ単位)：</source>
        <translation>Distance between them (data units):</translation>
    </message>
    <message>
        <source>時刻列</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>列目</source>
        <translation>(col.)</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>clock</translation>
    </message>
    <message>
        <source>再生速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>¼×</source>
        <translation>¼×</translation>
    </message>
    <message>
        <source>½×</source>
        <translation>½×</translation>
    </message>
    <message>
        <source>1×</source>
        <translation>1×</translation>
    </message>
    <message>
        <source>2×</source>
        <translation>2×</translation>
    </message>
    <message>
        <source>5×</source>
        <translation>5×</translation>
    </message>
    <message>
        <source>10×</source>
        <translation>10×</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>アニメーションを書き出しました。</source>
        <translation>Animation exported.</translation>
    </message>
    <message>
        <source>画像を保存できませんでした。</source>
        <translation>Could not save the picture.</translation>
    </message>
    <message>
        <source>書き出す図がありません。相関図か経路図を実行してから書き出してください。</source>
        <translation>There is no diagram to export. Run the correlation or the path diagram first.</translation>
    </message>
    <message>
        <source>アニメーションを書き出せませんでした。</source>
        <translation>Could not export the animation.</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。</source>
        <translation>Could not save the file.</translation>
    </message>
    <message>
        <source>アニメーションを書き出しています...</source>
        <translation>Exporting the animation...</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>書き出し用の設定</source>
        <translation>the export setup</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Tracelet 相関図セットアップ</source>
        <translation>Tracelet correlation setup</translation>
    </message>
    <message>
        <source>Tracelet 経路図セットアップ</source>
        <translation>Tracelet path setup</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>画像を保存...</source>
        <translation>Save Picture...</translation>
    </message>
    <message>
        <source>アニメーションを書き出す...</source>
        <translation>Export Animation...</translation>
    </message>
    <message>
        <source>再生/一時停止</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>教示中のﾎﾟｲﾝﾄ修正</source>
        <translation>Correct points while teaching</translation>
    </message>
    <message>
        <source>ｽﾞｰﾑｲﾝ</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>ｽﾞｰﾑｱｳﾄ</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>上ｽｸﾛｰﾙ</source>
        <translation>Scroll up</translation>
    </message>
    <message>
        <source>右ｽｸﾛｰﾙ</source>
        <translation>Scroll right</translation>
    </message>
    <message>
        <source>左ｽｸﾛｰﾙ</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <source>下ｽｸﾛｰﾙ</source>
        <translation>Scroll down</translation>
    </message>
    <message>
        <source>経路図実行/終了</source>
        <translation>Run/stop the path diagram</translation>
    </message>
    <message>
        <source>相関図実行/終了</source>
        <translation>Run/stop the correlation diagram</translation>
    </message>
    <message>
        <source>相関図 データ位置スライダ指定</source>
        <translation>Correlation: choose the data position with the slider</translation>
    </message>
    <message>
        <source>Tracelet のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Tracelet...</translation>
    </message>
    <message>
        <source>Ctrl+クリック: 近い区間に挿入&#x3000;右クリック: その点を削除
Delete: 選んだ点を削除&#x3000;Ctrl+Z: 元に戻す&#x3000;Ctrl+Y: やり直し
F2: 座標を入力</source>
        <translation>Ctrl+click: insert on the nearest segment   Right-click: delete that point
Delete: delete the picked point   Ctrl+Z: undo   Ctrl+Y: redo
F2: type coordinates</translation>
    </message>
    <message>
        <source>教示ポイントの座標を入力...</source>
        <translation>Type Teaching Point...</translation>
    </message>
    <message>
        <source>教示ポイントを保存...</source>
        <translation>Save Teaching Points...</translation>
    </message>
    <message>
        <source>教示ポイントを開く...</source>
        <translation>Open Teaching Points...</translation>
    </message>
    <message>
        <source>経路ファイルを書き出す（再生しない）</source>
        <translation>Write Route File (Without Playing)</translation>
    </message>
    <message>
        <source>Space・PageDown: 再生/一時停止&#x3000;Home: 最初から
→ ←: 一時停止中に1点ずつ進む/戻る</source>
        <translation>Space, Page Down: play/pause   Home: from the start
→ ←: one point on/back while paused</translation>
    </message>
    <message>
        <source>表示倍率 %1倍</source>
        <translation>Window scale %1×</translation>
    </message>
    <message>
        <source>次回の起動から、この倍率で表示します。</source>
        <translation>The window shows at this scale from its next start.</translation>
    </message>
    <message>
        <source>新しい倍率でウィンドウを開き直せませんでした。</source>
        <translation>The window could not be reopened at the new scale.</translation>
    </message>
    <message>
        <source>教示中ではありません。経路図を「教示ポイントデータとする」で実行してください。</source>
        <translation>Nothing is being taught. Run the path diagram with &quot;Teach the points&quot; ticked.</translation>
    </message>
</context>
<context>
    <name>MapScale</name>
    <message>
        <source>クリックした点: まだありません</source>
        <translation>Points clicked: none yet</translation>
    </message>
    <message>
        <source>1点目 %1 ピクセル</source>
        <translation>First point %1 px</translation>
    </message>
    <message>
        <source>1点目 %1、2点目 %2、間隔 %3 ピクセル</source>
        <translation>First point %1, second point %2, %3 px apart</translation>
    </message>
    <message>
        <source>縮尺が範囲外です。1ピクセルあたり 0.000001 ～ 1000000 にしてください。</source>
        <translation>The scale is out of range. Please use 0.000001 to 1000000 data units per pixel.</translation>
    </message>
    <message>
        <source>地図上で距離の分かる2点をクリックしてください。</source>
        <translation>Please click two points on the map whose distance you know.</translation>
    </message>
    <message>
        <source>同じ点が2回クリックされました。離れた2点をクリックしてください。</source>
        <translation>The same point was clicked twice. Please click two points apart.</translation>
    </message>
    <message>
        <source>2点間の距離には数値を入力してください。</source>
        <translation>Please enter a number for the distance between the two points.</translation>
    </message>
    <message>
        <source>2点間の距離は0より大きくしてください。</source>
        <translation>The distance between the two points must be greater than 0.</translation>
    </message>
    <message>
        <source>縮尺には数値を入力してください。</source>
        <translation>Please enter a number for the scale.</translation>
    </message>
</context>
<context>
    <name>PathDiagram</name>
    <message>
        <source>２４ビットフルカラービットマップのキャラクタにしてください</source>
        <translation>Please use a 24-bit full-colour bitmap for the character.</translation>
    </message>
    <message>
        <source>圧縮されたビットマップは使えません。無圧縮の２４ビットフルカラービットマップのキャラクタにしてください</source>
        <translation>A compressed bitmap cannot be used. Please use an uncompressed 24-bit full-colour bitmap for the character.</translation>
    </message>
    <message>
        <source>キャラサイズ違反 32×32 ピクセルにしてください。</source>
        <translation>Wrong character size: please use 32 × 32 pixels.</translation>
    </message>
    <message>
        <source>前回設定内容が存在します。修正しますか？</source>
        <translation>There is a previous setup. Change it?</translation>
    </message>
    <message>
        <source>データファイル1行目のＰＬＯＴ速度（5列目）が正の数ではありません。350 msec 間隔で再生します。</source>
        <translation>The plot speed on line 1 of the data file (column 5) is not a positive number. Playing at 350 ms intervals.</translation>
    </message>
    <message>
        <source>バックグラウンドスクリーン設定失敗</source>
        <translation>Could not set the background image.</translation>
    </message>
    <message>
        <source>バックグラウンドスクリーン設定失敗、再度設定し直してください。</source>
        <translation>Could not set the background image. Please set it again.</translation>
    </message>
    <message>
        <source>教示ポイントを2点以上指定してから再生してください。</source>
        <translation>Please set two or more teaching points before playing.</translation>
    </message>
    <message>
        <source>キャラクタファイルを読み込めません。</source>
        <translation>Cannot read the character file.</translation>
    </message>
    <message>
        <source>%1、読み込めない形式か大きすぎる画像です</source>
        <translation>%1: a format that cannot be read, or too large an image</translation>
    </message>
    <message>
        <source>画像として読み込めないか、大きすぎる画像です</source>
        <translation>not readable as an image, or too large an image</translation>
    </message>
    <message>
        <source>作業用の画像を用意できません</source>
        <translation>cannot make the working images</translation>
    </message>
    <message>
        <source>PNG 画像として読み込めません。PNG でないか、壊れているか途中で切れています。</source>
        <translation>Cannot read the PNG picture: it is no PNG, or it is damaged or cut short.</translation>
    </message>
    <message>
        <source>%1×%2 ピクセル、PNG</source>
        <translation>%1×%2 pixels, PNG</translation>
    </message>
</context>
<context>
    <name>PathPicture</name>
    <message>
        <source>X位置 : </source>
        <translation>X pos : </translation>
    </message>
    <message>
        <source>Y位置 : </source>
        <translation>Y pos : </translation>
    </message>
</context>
<context>
    <name>PathSetup</name>
    <message>
        <source>セットアップ内容に誤りがあります、内容を確認してもう一度ＯＫをクリックしてください。</source>
        <translation>The setup has errors. Please check it and click OK again.</translation>
    </message>
    <message>
        <source>データファイルが指定されていません。</source>
        <translation>No data file is chosen.</translation>
    </message>
    <message>
        <source>点間のインターバル 指定不正です。</source>
        <translation>The time between points is not valid.</translation>
    </message>
    <message>
        <source>点間の分割数 指定不正です。</source>
        <translation>The steps between points are not valid.</translation>
    </message>
    <message>
        <source>設定内容は、新規もしくは変更されています。設定内容を保存しますか？</source>
        <translation>The setup is new or changed. Save it?</translation>
    </message>
    <message>
        <source>ｾｯﾄｱｯﾌﾟ Files (*.kvt)|*.kvt|All Files (*.*)|*.*||</source>
        <translation>Setup Files (*.kvt)|*.kvt|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>保存先ファイルが確定されませんでした。実行できません。</source>
        <translation>No file was chosen to save to. Cannot run.</translation>
    </message>
    <message>
        <source>教示ポイントをチェックした場合。その保存先ファイル（ｃｓｖファイル）を指定してください。</source>
        <translation>With teaching points checked, please choose the file (a CSV file) to save them in.</translation>
    </message>
    <message>
        <source>セットアップファイルに誤りがあります、手入力にてセットアップしてください。</source>
        <translation>The setup file has errors. Please enter the setup by hand.</translation>
    </message>
    <message>
        <source>セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。</source>
        <translation>The setup has errors. Please check it and save again.</translation>
    </message>
    <message>
        <source>教示ポイントの保存先ファイルは既にあります。再生時に経路で上書きしますか？</source>
        <translation>The file for the teaching points already exists. Replace it with the route at play?</translation>
    </message>
    <message>
        <source>時刻列指定不正です。</source>
        <translation>The time column is not valid.</translation>
    </message>
</context>
<context>
    <name>PathView</name>
    <message>
        <source>等倍</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>1/2倍</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>1/4倍</source>
        <translation>25%</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>セットアップファイルに書かれたファイルが見つからないため、セットアップファイルと同じフォルダーのファイルを使います。</source>
        <translation>A file named in the setup file was not found, so the file of that name in the setup file&apos;s folder is used.</translation>
    </message>
    <message>
        <source>セットアップファイルに書かれたファイルが見つかりません。</source>
        <translation>A file named in the setup file was not found.</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>ディスクの空き容量がありません</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限を超えています</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>アクセス権がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>この操作は許可されていません</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>read-only location</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダーがありません</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>途中の名前がフォルダーではありません</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>フォルダーです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>同じ名前のファイルがあります</source>
        <translation>a file of that name exists</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>シンボリックリンクが循環しています</source>
        <translation>too many levels of symbolic links</translation>
    </message>
    <message>
        <source>入出力エラーが発生しました</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>システムエラー %1: %2</source>
        <translation>system error %1: %2</translation>
    </message>
</context>
<context>
    <name>Teaching</name>
    <message>
        <source>教示ﾎﾟｲﾝﾄが多すぎます。曲線補間は1000ﾎﾟｲﾝﾄ以下にしてください。</source>
        <translation>Too many teaching points. Curved interpolation takes at most 1000 points.</translation>
    </message>
    <message>
        <source>教示ﾎﾟｲﾝﾄが多すぎます。補間後のﾎﾟｲﾝﾄ数を10000以下にしてください。</source>
        <translation>Too many teaching points. Keep the interpolated points to 10000 or fewer.</translation>
    </message>
    <message>
        <source>教示ﾎﾟｲﾝﾄの間隔が十分でない。</source>
        <translation>The teaching points are too close together.</translation>
    </message>
    <message>
        <source>教示ポイントを2点以上指定してから再生してください。</source>
        <translation>Please set two or more teaching points before playing.</translation>
    </message>
    <message>
        <source>教示ポイントの保存先ファイルに書き込めませんでした。経路はこのまま再生します。</source>
        <translation>Could not write the teaching points file. The route plays as it is.</translation>
    </message>
    <message>
        <source>教示ポイント間の移動速度を分割数で割った間隔が 1 msec 未満です。1 msec 間隔で再生します。</source>
        <translation>The time between points divided by the steps is under 1 ms. Playing at 1 ms intervals.</translation>
    </message>
    <message>
        <source>教示ポイントはまだ保存されていません。保存せずに終了しますか？</source>
        <translation>The teaching points are not saved yet. Stop without saving them?</translation>
    </message>
    <message>
        <source>X と Y には数値を入力してください。</source>
        <translation>Please enter numbers for X and Y.</translation>
    </message>
    <message>
        <source>地図の外です。地図の範囲:</source>
        <translation>That is off the map. The map spans:</translation>
    </message>
    <message>
        <source>座標を入力する教示ポイントをクリックして選んでください。</source>
        <translation>Click the teaching point to type coordinates for first.</translation>
    </message>
    <message>
        <source>保存する教示ポイントがありません。</source>
        <translation>There are no teaching points to save.</translation>
    </message>
    <message>
        <source>経路ファイルを書き出しました。</source>
        <translation>The route file was written.</translation>
    </message>
    <message>
        <source>教示ポイントを2点以上指定してから経路ファイルを書き出してください。</source>
        <translation>Please set two or more teaching points before writing the route file.</translation>
    </message>
</context>
<context>
    <name>WindowControls</name>
    <message>
        <source>%1行目</source>
        <translation>line %1</translation>
    </message>
</context>
</TS>
