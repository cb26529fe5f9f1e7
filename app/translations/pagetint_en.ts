<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>DarkTexts</name>
    <message>
        <source>ダーク配色(&amp;N)</source>
        <translation>&amp;Dark Scheme</translation>
    </message>
    <message>
        <source>ダーク配色を削除</source>
        <translation>Delete Dark Scheme</translation>
    </message>
    <message>
        <source>ダーク</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>ダーク配色を削除しますか？</source>
        <translation>Delete the dark scheme?</translation>
    </message>
    <message>
        <source>AAA ですべての組み合わせを満たすダーク配色はありません。AA で作成しました。</source>
        <translation>No dark scheme meets AAA for every pair, so it was made for AA.</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source> 色セット登録名の入力</source>
        <translation> Name for the color scheme</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Pagetint</translation>
    </message>
    <message>
        <source>E-mail：</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>URL：</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Pagetint画像ビューワ指定</source>
        <translation>Pagetint Image Viewer</translation>
    </message>
    <message>
        <source>画像プレビュー用のビューワ</source>
        <translation>Viewer for the image preview</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>背景画像の選択</source>
        <translation>Choose a Background Image</translation>
    </message>
    <message>
        <source>画像ファイル|*.gif;*.jpg;*.jpeg;*.png|実行ファイル|*.exe;*.com|全てのファイル|*.*</source>
        <translation>Image files|*.gif;*.jpg;*.jpeg;*.png|Programs|*.exe;*.com|All files|*.*</translation>
    </message>
    <message>
        <source>HTML テンプレートファイルの保存</source>
        <translation>Save HTML Template</translation>
    </message>
    <message>
        <source>HTML file|*.htm;*.html;*.chtml|全てのファイル|*.*</source>
        <translation>HTML files|*.htm;*.html;*.chtml|All files|*.*</translation>
    </message>
    <message>
        <source>色セット登録名</source>
        <translation>Scheme name</translation>
    </message>
    <message>
        <source>CSS/HTMLファイルを開く</source>
        <translation>Open a CSS or HTML File</translation>
    </message>
    <message>
        <source>CSS/HTML|*.css;*.html;*.htm|全てのファイル|*.*</source>
        <translation>CSS/HTML|*.css;*.html;*.htm|All files|*.*</translation>
    </message>
</context>
<context>
    <name>HtmlTexts</name>
    <message>
        <source>ファイルを保存できませんでした。</source>
        <translation>The file could not be saved.</translation>
    </message>
</context>
<context>
    <name>LegibilityTexts</name>
    <message>
        <source>見やすさﾁｪｯｸ</source>
        <translation>Legibility Check</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>AA(&amp;A)</source>
        <translation>&amp;AA</translation>
    </message>
    <message>
        <source>AAA(&amp;E)</source>
        <translation>AA&amp;A</translation>
    </message>
    <message>
        <source>すべて修正(&amp;F)</source>
        <translation>&amp;Fix All</translation>
    </message>
    <message>
        <source>いちばん近い合格の色です。クリックすると編集中の色になります(色見本のクリックで適用)。</source>
        <translation>The nearest color that passes. Click to make it the editor color (click the swatch to apply it).</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>相手の色がこのままでは、どの色にしても合格しません。</source>
        <translation>While the other color stays as it is, no color passes.</translation>
    </message>
    <message>
        <source>この背景色では、7 つの組み合わせをすべて %1 に届かせる文字色とリンク色がありません。背景色 (BGCOLOR) を変えてください。</source>
        <translation>With this background color, no text and link colors bring all 7 pairs up to %1. Please change the background color (BGCOLOR).</translation>
    </message>
    <message>
        <source>AA大</source>
        <translation>AA large</translation>
    </message>
    <message>
        <source>○</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>×</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>見やすさﾁｪｯｸ(&amp;K)</source>
        <translation>Legibility Chec&amp;k</translation>
    </message>
    <message>
        <source>色覚ｼﾐｭﾚｰｼｮﾝ(&amp;V)</source>
        <translation>Color &amp;Vision Simulation</translation>
    </message>
    <message>
        <source>なし(&amp;N)</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>1型 (P)(&amp;P)</source>
        <translation>&amp;Protan (P)</translation>
    </message>
    <message>
        <source>2型 (D)(&amp;D)</source>
        <translation>&amp;Deutan (D)</translation>
    </message>
    <message>
        <source>3型 (T)(&amp;T)</source>
        <translation>&amp;Tritan (T)</translation>
    </message>
    <message>
        <source>1色覚(&amp;A)</source>
        <translation>&amp;Achromat</translation>
    </message>
    <message>
        <source>1型色覚シミュレーション</source>
        <translation>Protan Simulation</translation>
    </message>
    <message>
        <source>2型色覚シミュレーション</source>
        <translation>Deutan Simulation</translation>
    </message>
    <message>
        <source>3型色覚シミュレーション</source>
        <translation>Tritan Simulation</translation>
    </message>
    <message>
        <source>1色覚シミュレーション</source>
        <translation>Achromat Simulation</translation>
    </message>
    <message>
        <source>この背景色では、7 つの組み合わせをすべて %2 に届かせる文字色とリンク色がありません。背景色を %1 に変えて、文字色とリンク色も合わせますか？</source>
        <translation>With this background color, no text and link colors bring all 7 pairs up to %2. Change the background color to %1 and adjust the text and link colors to it?</translation>
    </message>
    <message>
        <source>%1 (%2 / %3) コントラスト比 %4 %5</source>
        <translation>%1 (%2 / %3) contrast ratio %4 %5</translation>
    </message>
    <message>
        <source>%1 の候補 %2 を編集中の色にする</source>
        <translation>Make the suggestion %2 for %1 the editor color</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>配色リスト</source>
        <translation>Color Schemes</translation>
    </message>
    <message>
        <source>Color Label</source>
        <translation>Color Name</translation>
    </message>
    <message>
        <source>ｶﾗｰﾀﾞｲｱﾛｸﾞ</source>
        <translation>Color dialog</translation>
    </message>
    <message>
        <source>ルーペ</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>文字色 TEXT</source>
        <translation>Text color TEXT</translation>
    </message>
    <message>
        <source>リンク色 LINK</source>
        <translation>Link color LINK</translation>
    </message>
    <message>
        <source>選択済リンク色 VLINK</source>
        <translation>Visited link color VLINK</translation>
    </message>
    <message>
        <source>クリック色 ALINK</source>
        <translation>Active link color ALINK</translation>
    </message>
    <message>
        <source>16進</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>終 了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>背景画像...</source>
        <translation>Background Image...</translation>
    </message>
    <message>
        <source>ﾃﾝﾌﾟﾚｰﾄ保存</source>
        <translation>Save Template...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>色を戻す</source>
        <translation>Undo Color</translation>
    </message>
    <message>
        <source>単色コピー</source>
        <translation>Copy Color</translation>
    </message>
    <message>
        <source>全体コピー</source>
        <translation>Copy All</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>CSS変数でｺﾋﾟｰ</source>
        <translation>Copy as CSS Variables</translation>
    </message>
    <message>
        <source>単色を形式でｺﾋﾟｰ(&amp;F)</source>
        <translation>Copy Color in &amp;Format</translation>
    </message>
    <message>
        <source>CSSから貼り付け</source>
        <translation>Paste from CSS</translation>
    </message>
    <message>
        <source>背景画像の解除</source>
        <translation>Remove Background Image</translation>
    </message>
    <message>
        <source>表示(&amp;D)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>HTMLﾌﾟﾚﾋﾞｭｰ(&amp;H)</source>
        <translation>&amp;HTML Preview</translation>
    </message>
    <message>
        <source>画像ﾌﾟﾚﾋﾞｭｰ(&amp;I)</source>
        <translation>&amp;Image Preview</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ｶﾗｰ名の使用</source>
        <translation>Use Color Names</translation>
    </message>
    <message>
        <source>単色コピー時&quot;&quot;付</source>
        <translation>Quote a Copied Color</translation>
    </message>
    <message>
        <source>CSS形式の使用</source>
        <translation>Use CSS</translation>
    </message>
    <message>
        <source>配色名のｿｰﾄ</source>
        <translation>Sort Scheme Names</translation>
    </message>
    <message>
        <source>表示位置保存</source>
        <translation>Remember Window Position</translation>
    </message>
    <message>
        <source>画像ﾋﾞｭｰﾜ指定</source>
        <translation>Image Viewer...</translation>
    </message>
    <message>
        <source>フォント設定...</source>
        <translation>Preview Font...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <comment>menu</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <comment>item</comment>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ(&amp;A)</source>
        <translation>&amp;About Pagetint</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>表示言語は次回の起動から切り替わります。</source>
        <translation>The new language takes effect the next time Pagetint starts.</translation>
    </message>
    <message>
        <source>設定を保存せずに終了しますか？</source>
        <translation>Quit without saving the settings?</translation>
    </message>
    <message>
        <source>このデスクトップでは画面の色を取得できません。</source>
        <translation>Screen colors cannot be read on this desktop.</translation>
    </message>
    <message>
        <source>クリップボードにCSSの色が見つかりません。</source>
        <translation>No CSS color was found on the clipboard.</translation>
    </message>
    <message>
        <source>Undoバッファが取得できませんでした</source>
        <translation>The undo buffer could not be allocated.</translation>
    </message>
    <message>
        <source>CSS/HTMLを開く(&amp;O)...</source>
        <translation>&amp;Open CSS/HTML...</translation>
    </message>
    <message>
        <source>ファイルにCSSの色が見つかりません。</source>
        <translation>No CSS color was found in the file.</translation>
    </message>
    <message>
        <source>リンクされたスタイルシート (%1) は読み込みません。そのファイルを開いてください。</source>
        <translation>The linked style sheet (%1) is not read. Please open that file instead.</translation>
    </message>
    <message>
        <source>ファイルを開けませんでした。</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <source>赤 (R)</source>
        <translation>Red (R)</translation>
    </message>
    <message>
        <source>緑 (G)</source>
        <translation>Green (G)</translation>
    </message>
    <message>
        <source>青 (B)</source>
        <translation>Blue (B)</translation>
    </message>
    <message>
        <source>スポイト</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>画面の色を取ります (キーボードからは Ctrl+Shift+E)</source>
        <translation>Picks a color from the screen (from the keyboard: Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>139 の名前付きの色 (キーボードからは Ctrl+P で名前で選べます)</source>
        <translation>The 139 named colors (from the keyboard, Ctrl+P picks one by name)</translation>
    </message>
    <message>
        <source>編集中の色</source>
        <translation>Editor color</translation>
    </message>
    <message>
        <source>背景色 BGCOLOR</source>
        <translation>Background color BGCOLOR</translation>
    </message>
    <message>
        <source>色の種類 TYPE</source>
        <translation>Color slot TYPE</translation>
    </message>
    <message>
        <source>色を適用(&amp;Y)</source>
        <translation>Appl&amp;y Color</translation>
    </message>
    <message>
        <source>名前で色を選ぶ(&amp;N)...</source>
        <translation>Pick Color by &amp;Name...</translation>
    </message>
    <message>
        <source>スポイト(&amp;S)</source>
        <translation>Pick from &amp;Screen</translation>
    </message>
</context>
<context>
    <name>NamedColorTexts</name>
    <message>
        <source>名前で色を選ぶ</source>
        <translation>Pick Color by Name</translation>
    </message>
    <message>
        <source>色の名前または #RRGGBB</source>
        <translation>Color name or #RRGGBB</translation>
    </message>
    <message>
        <source>名前付きの色</source>
        <translation>Named colors</translation>
    </message>
</context>
<context>
    <name>SchemeTexts</name>
    <message>
        <source>この配色をリストから削除します。
よろしいですか？</source>
        <translation>This scheme will be removed from the list.
Do you want to continue?</translation>
    </message>
    <message>
        <source>配色の内容を置き換えます。
よろしいですか？</source>
        <translation>The colors of this scheme will be replaced.
Do you want to continue?</translation>
    </message>
    <message>
        <source>この配色名はすでに使われています。</source>
        <translation>This scheme name is already in use.</translation>
    </message>
    <message>
        <source>この配色名は使用できません。</source>
        <translation>This scheme name cannot be used.</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>次のファイルまたはアドレスを開けませんでした。</source>
        <translation>The following file or address could not be opened.</translation>
    </message>
    <message>
        <source>次のプログラムを起動できませんでした。</source>
        <translation>The following program could not be started.</translation>
    </message>
</context>
</TS>
