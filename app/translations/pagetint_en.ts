<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>言語 / Language</translation>
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
