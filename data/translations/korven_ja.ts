<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AnalysisTexts</name>
    <message>
        <source> There are not the results.

You did not train yet 

 or you cleared your training record.</source>
        <translation> 成績がありません。

まだ練習していないか、

 練習の記録を消去しています。</translation>
    </message>
    <message>
        <source>correct 0 time / All trials 0 time</source>
        <translation>正解 0 回 / 全試行 0 回</translation>
    </message>
    <message>
        <source>Evaluation of %1</source>
        <translation>%1 さんの評価</translation>
    </message>
    <message>
        <source>Today&apos;s evaluation (%1)  You have trained %2 times.

Weak point of chromosome of today (%3miss / %2trials)
 %4

Sex chromosome
    &#x3000; X(mistake%5trials / %6 trials)
    &#x3000; Y(mistake%7trials / %8trials)

 Average of answer time of today is %9 second
</source>
        <translation>本日の評価 (%1)  本日の試行は %2 回です。

本日の苦手な染色体 (%3 回誤り / %2 試行)
 %4

性染色体
    &#x3000; X (誤り %5 回 / %6 試行)
    &#x3000; Y (誤り %7 回 / %8 試行)

 本日の平均解答時間は %9 秒です
</translation>
    </message>
    <message>
        <source>Correct answer %1 / All trials %2



Average of answer time:  %3 second



Chromosome which it is easy to get a wrong most
(except sex chromosome)

Mistakes of sex chromosome:  X (%4)   Y (%5)



%6

&#x3000;   (number of mistakes)


</source>
        <translation>正解 %1 回 / 全試行 %2 回



平均解答時間:  %3 秒



最も間違えやすい染色体
(性染色体を除く)

性染色体の誤り:  X (%4)   Y (%5)



%6

&#x3000;   (誤った回数)


</translation>
    </message>
    <message>
        <source>Question number which it is easy to get a wrong most

&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;%1 (Normal, %2)</source>
        <translation>最も間違えやすい問題番号

&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;%1 (正常%2)</translation>
    </message>
</context>
<context>
    <name>BmpWriter</name>
    <message>
        <source>not a BMP file (no &quot;BM&quot; signature)</source>
        <translation>BMP ファイルではありません(「BM」の署名がありません)</translation>
    </message>
    <message>
        <source>BMP header cut short (%1 bytes)</source>
        <translation>BMP のヘッダが途中で切れています(%1 バイト)</translation>
    </message>
    <message>
        <source>%1 bits per pixel, 24 needed</source>
        <translation>1 画素 %1 ビットです。24 ビットが必要です</translation>
    </message>
    <message>
        <source>old OS/2 BMP header, a Windows BMP header is needed</source>
        <translation>古い OS/2 形式の BMP ヘッダです。Windows 形式の BMP ヘッダが必要です</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>BMP ヘッダの大きさ %1 は不明です</translation>
    </message>
    <message>
        <source>compressed BMP (method %1), uncompressed needed</source>
        <translation>圧縮された BMP です(方式 %1)。非圧縮が必要です</translation>
    </message>
    <message>
        <source>invalid size %1 x %2</source>
        <translation>大きさ %1 x %2 は不正です</translation>
    </message>
    <message>
        <source>file cut short: %1 bytes, %2 needed for %3 x %4 pixels</source>
        <translation>ファイルが途中で切れています: %1 バイトですが、%3 x %4 画素には %2 バイト必要です</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>読めません(%1)</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>Score: %1/46
 Are these corrected?</source>
        <translation>得点: %1/46
 修正しますか?</translation>
    </message>
    <message>
        <source>Score: %1/46
 Under correction
 (%2 times)</source>
        <translation>得点: %1/46
 修正中
 (%2 回目)</translation>
    </message>
</context>
<context>
    <name>IdRules</name>
    <message>
        <source>Please enter an ID.</source>
        <translation>IDを入力してください。</translation>
    </message>
    <message>
        <source>The ID &quot;%1&quot; cannot be used. Please enter a different ID.</source>
        <translation>ID「%1」は使えません。別のIDを入力してください。</translation>
    </message>
    <message>
        <source>An ID cannot begin with &quot;.&quot;. Please enter a different ID.</source>
        <translation>IDを「.」で始めることはできません。別のIDを入力してください。</translation>
    </message>
    <message>
        <source>An ID cannot contain &quot;/&quot; or &quot;\&quot;. Please enter a different ID.</source>
        <translation>IDに「/」や「\」は使えません。別のIDを入力してください。</translation>
    </message>
    <message>
        <source>An ID cannot contain control characters. Please enter a different ID.</source>
        <translation>IDに制御文字は使えません。別のIDを入力してください。</translation>
    </message>
    <message>
        <source>The ID holds characters that cannot be used. Please enter a different ID.</source>
        <translation>IDに使えない文字が含まれています。別のIDを入力してください。</translation>
    </message>
    <message>
        <source>The ID is too long (at most %1 bytes). Please enter a shorter ID.</source>
        <translation>IDが長すぎます(最大 %1 バイト)。短いIDを入力してください。</translation>
    </message>
</context>
<context>
    <name>KorvenPrinting</name>
    <message>
        <source>Printer Settings</source>
        <translation>プリンタの設定</translation>
    </message>
    <message>
        <source>Cannot print: the folder %1 cannot be created.</source>
        <translation>印刷できません: フォルダ %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot print: the file %1 cannot be written.</source>
        <translation>印刷できません: ファイル %1 に書き込めません。</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not ready for printing.</source>
        <translation>印刷できません: プリンタ「%1」は印刷できる状態ではありません。</translation>
    </message>
    <message>
        <source>Printing failed: the file %1 could not be written.</source>
        <translation>印刷に失敗しました: ファイル %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Printing failed on the printer &quot;%1&quot;.</source>
        <translation>プリンタ「%1」での印刷に失敗しました。</translation>
    </message>
    <message>
        <source>Printed to the PDF file
%1</source>
        <translation>PDFファイルに印刷しました
%1</translation>
    </message>
</context>
<context>
    <name>PrintLayout</name>
    <message>
        <source>%1 trials(Today %2 trials)</source>
        <translation>試行 %1 回(本日 %2 回)</translation>
    </message>
    <message>
        <source>Time of answer %1 sec.</source>
        <translation>解答時間 %1 秒</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>ProblemLoader</name>
    <message>
        <source>%1, line %2: fewer than three fields.</source>
        <translation>%1 の %2 行目: 項目が3つ未満です。</translation>
    </message>
    <message>
        <source>%1, line %2: missing; the listing needs %3 lines but has %4.</source>
        <translation>%1 の %2 行目がありません。一覧には %3 行必要ですが %4 行しかありません。</translation>
    </message>
    <message>
        <source>%1, line %2: &apos;%3&apos; is not a whole number.</source>
        <translation>%1 の %2 行目:「%3」は整数ではありません。</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Cannot load the image %1: %2</source>
        <translation>画像 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>No chromosome image is loaded; the pieces cannot be sized.</source>
        <translation>染色体画像が読み込まれていないため、大きさを決められません。</translation>
    </message>
</context>
<context>
    <name>ProblemMaker</name>
    <message>
        <source>%1: cannot write (%2)</source>
        <translation>%1: 書き込めません(%2)</translation>
    </message>
    <message>
        <source>%1: cannot replace the file</source>
        <translation>%1: ファイルを置き換えられません</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: フォルダを作成できません</translation>
    </message>
    <message>
        <source>problem %1 is not in the catalogue (1 to %2)</source>
        <translation>問題 %1 は目録にありません(1 から %2)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読めません</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: ありません</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: そのようなフォルダはありません</translation>
    </message>
    <message>
        <source>no listing written for %1:
  %2</source>
        <translation>%1 の一覧ファイルは書きませんでした:
  %2</translation>
    </message>
    <message>
        <source>%1: has %2 lines, not %3</source>
        <translation>%1: %3 行ではなく %2 行あります</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 の %2 行目</translation>
    </message>
    <message>
        <source>%1: %2 fields, at least 3 needed</source>
        <translation>%1: 項目が %2 個です。3 個以上必要です</translation>
    </message>
    <message>
        <source>%1: check value &quot;%2&quot; is not a whole number</source>
        <translation>%1: チェック値「%2」は整数ではありません</translation>
    </message>
    <message>
        <source>%1: listed check value %2 differs from %3 computed for %4</source>
        <translation>%1: 一覧のチェック値 %2 が、%4 から計算した %3 と違います</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About KORVEN</source>
        <translation>KORVEN のバージョン情報</translation>
    </message>
    <message>
        <source>Version 1.0.3</source>
        <translation>バージョン 1.0.3</translation>
    </message>
    <message>
        <source>A trainer for human karyotyping: arrange the 46 G-banded chromosomes of a metaphase into their karyogram against the clock.</source>
        <translation>ヒト核型分析の練習プログラム: 分裂中期の G 分染された 46 本の染色体を、時間を計りながら核型に並べます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次の問題</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>評価</translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation>正解</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>成績分析</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Printer Settings...</source>
        <translation>プリンタの設定...</translation>
    </message>
    <message>
        <source>Print(A4 size only)</source>
        <translation>印刷(A4 サイズのみ)</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Reference mode</source>
        <translation>参照モード</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help(&amp;C)	F12</source>
        <translation>ヘルプの表示(&amp;C)	F12</translation>
    </message>
    <message>
        <source>About(&amp;A)...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>No problem number at position %1 of the problem list.</source>
        <translation>問題一覧の %1 番目に問題番号がありません。</translation>
    </message>
    <message>
        <source>This trial was not recorded in %1.
%2</source>
        <translation>この試行は %1 に記録されませんでした。
%2</translation>
    </message>
    <message>
        <source>No problem to load: the folder %1 holds none of the problem sets.</source>
        <translation>読み込める問題がありません: フォルダ %1 に問題セットがひとつもありません。</translation>
    </message>
    <message>
        <source>There is no problem number %1.</source>
        <translation>問題番号 %1 はありません。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>再開</translation>
    </message>
    <message>
        <source> We cannot print this result since we cannot change paper size into A4. </source>
        <translation> 用紙サイズを A4 に変更できないため、この結果は印刷できません。 </translation>
    </message>
    <message>
        <source> Now printing... </source>
        <translation> 印刷中です... </translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>All the results elimination was carried out.</source>
        <translation>すべての成績を削除しました。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>KORVEN  Reenter password</source>
        <translation>KORVEN  パスワードの再入力</translation>
    </message>
    <message>
        <source>Two passwords differ.</source>
        <translation>2つのパスワードが違います。</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>The password is not set up.</source>
        <translation>パスワードが設定されていません。</translation>
    </message>
    <message>
        <source>Please reenter password</source>
        <translation>パスワードを入力し直してください</translation>
    </message>
</context>
<context>
    <name>TForm14</name>
    <message>
        <source>Two passwords differ</source>
        <translation>2つのパスワードが違います</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>The password is not set up.</source>
        <translation>パスワードが設定されていません。</translation>
    </message>
    <message>
        <source>Please reenter password</source>
        <translation>パスワードを入力し直してください</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>KORVEN file has broken.</source>
        <translation>KORVEN のファイルが壊れています。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>TForm16</name>
    <message>
        <source>KORVEN  Correct answer</source>
        <translation>KORVEN  正解</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>KORVEN  delete all results</source>
        <translation>KORVEN  全成績の削除</translation>
    </message>
    <message>
        <source>Delete your all results ？</source>
        <translation>すべての成績を削除しますか？</translation>
    </message>
    <message>
        <source>We cannot revive them  once you delete.</source>
        <translation>削除した成績は元に戻せません。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No user is logged in; there are no results to delete.</source>
        <translation>ログインしている利用者がいないため、削除する成績はありません。</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>This ID is already in use.</source>
        <translation>このIDはすでに使われています。</translation>
    </message>
    <message>
        <source>Please create it different ID.</source>
        <translation>別のIDを作成してください。</translation>
    </message>
</context>
<context>
    <name>TNewID</name>
    <message>
        <source>KORVEN  Create New ID</source>
        <translation>KORVEN  新しいIDの作成</translation>
    </message>
    <message>
        <source>New ID</source>
        <translation>新しいID</translation>
    </message>
    <message>
        <source> Enter password for New ID</source>
        <translation> 新しいIDのパスワードを入力</translation>
    </message>
    <message>
        <source>Reenter password for New ID</source>
        <translation>新しいIDのパスワードを再入力</translation>
    </message>
    <message>
        <source>Create ID</source>
        <translation>IDを作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The Result folder already holds an entry named &quot;%1&quot;, so this ID cannot be created. Nothing was changed.
Please create it different ID.</source>
        <translation>Result フォルダにはすでに「%1」という名前の項目があるため、このIDは作成できません。何も変更していません。
別のIDを作成してください。</translation>
    </message>
</context>
<context>
    <name>TNewIDComplete</name>
    <message>
        <source>We have create New ID.</source>
        <translation>新しいIDを作成しました。</translation>
    </message>
</context>
<context>
    <name>TNewIDorNo</name>
    <message>
        <source>KORVEN  Create New ID</source>
        <translation>KORVEN  新しいIDの作成</translation>
    </message>
    <message>
        <source>Create New ID？</source>
        <translation>新しいIDを作成しますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>TOKBottomDlg</name>
    <message>
        <source>Answer time&lt;br&gt;&amp;nbsp;</source>
        <translation>解答時間&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Evaluation(KORVEN)</source>
        <translation>評価(KORVEN)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Delete grades</source>
        <translation>成績を削除</translation>
    </message>
    <message>
        <source>Percentage of correct chromosomes per trial ( correct number /46)</source>
        <translation>試行ごとの染色体の正答率 (正解数/46)</translation>
    </message>
    <message>
        <source>trial(times)</source>
        <translation>試行(回)</translation>
    </message>
    <message>
        <source>percentage of correct answers(%)</source>
        <translation>正答率(%)</translation>
    </message>
    <message>
        <source>Percentage of correct per chromosomes&lt;br&gt;(correct traials/all trials)</source>
        <translation>染色体ごとの正答率&lt;br&gt;(正解した試行/全試行)</translation>
    </message>
    <message>
        <source>Chromosome number</source>
        <translation>染色体番号</translation>
    </message>
    <message>
        <source>trials(times)</source>
        <translation>試行(回)</translation>
    </message>
    <message>
        <source>Answer time(sec.)</source>
        <translation>解答時間(秒)</translation>
    </message>
</context>
<context>
    <name>TPagesDlg</name>
    <message>
        <source>Your password was changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Cannot Read file</source>
        <translation>ファイルが読めません</translation>
    </message>
    <message>
        <source>KORVEN Settings</source>
        <translation>KORVEN 設定</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Size of Chromosome</source>
        <translation>染色体の大きさ</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Reference mode</source>
        <translation>参照モード</translation>
    </message>
    <message>
        <source>You can see the number of the answered chromosome before grading. </source>
        <translation>評価の前に、置いた染色体の番号を確認できます。</translation>
    </message>
    <message>
        <source>Alignment mode</source>
        <translation>整列モード</translation>
    </message>
    <message>
        <source>This mode decides whether to align a chromosome perpendicularly automatically when you answer.</source>
        <translation>染色体を置いたときに、自動的にまっすぐ縦に立てるかどうかを決めます。</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Optimal size(1.0)</source>
        <translation>標準の大きさ(1.0)</translation>
    </message>
    <message>
        <source>We change magnification of chromosome  from the following question. </source>
        <translation>染色体の倍率は次の問題から変わります。</translation>
    </message>
    <message>
        <source>Enter new password</source>
        <translation>新しいパスワードを入力</translation>
    </message>
    <message>
        <source>Reenter new password</source>
        <translation>新しいパスワードを再入力</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TPasswordDlg</name>
    <message>
        <source>KORVEN  ID and Password</source>
        <translation>KORVEN  IDとパスワード</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Create ID</source>
        <translation>IDを作成</translation>
    </message>
    <message>
        <source>Cannot Read file</source>
        <translation>ファイルが読めません</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Please your password again.</source>
        <translation>パスワードをもう一度入力してください。</translation>
    </message>
</context>
<context>
    <name>TRecovery1</name>
    <message>
        <source>KORVEN&#x3000;&#x3000;Revive ID</source>
        <translation>KORVEN&#x3000;&#x3000;IDの復活</translation>
    </message>
    <message>
        <source>This ID is existed before. Does it revive?</source>
        <translation>このIDは以前に使われていました。復活させますか?</translation>
    </message>
    <message>
        <source>I want to revive ID and results.</source>
        <translation>IDと成績を復活させる</translation>
    </message>
    <message>
        <source>I want to revive ID only.</source>
        <translation>IDだけを復活させる</translation>
    </message>
    <message>
        <source>I do not want to revive ID.</source>
        <translation>IDを復活させない</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The text encoding %1 is not available.</source>
        <translation>文字コード %1 が使えません。</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot append to %1: %2</source>
        <translation>%1 に追記できません: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>シンボリックリンク</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>パイプ (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; it was left alone.</source>
        <translation>%1 は通常のファイルではなく%2です。手を付けずにおきました。</translation>
    </message>
    <message>
        <source>Cannot %1 %2: %3</source>
        <translation>%2 を%1ことができません: %3</translation>
    </message>
    <message>
        <source>%1 is too large (%2 bytes; at most %3 are read). It was left alone.</source>
        <translation>%1 は大きすぎます(%2 バイト。読み込むのは %3 バイトまでです)。手を付けずにおきました。</translation>
    </message>
    <message>
        <source>open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>%1 has too many lines (%2; at most %3 are read). It was left alone.</source>
        <translation>%1 は行が多すぎます(%2 行。読み込むのは %3 行までです)。手を付けずにおきました。</translation>
    </message>
</context>
<context>
    <name>TrialStatistics</name>
    <message>
        <source>trial number</source>
        <translation>試行番号</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>problem number</source>
        <translation>問題番号</translation>
    </message>
    <message>
        <source>answer time</source>
        <translation>解答時間</translation>
    </message>
    <message>
        <source>result of slot %1</source>
        <translation>枠 %1 の結果</translation>
    </message>
    <message>
        <source>The trial record file</source>
        <translation>試行記録ファイル</translation>
    </message>
    <message>
        <source>The trial record file %1</source>
        <translation>試行記録ファイル %1</translation>
    </message>
    <message>
        <source>the field is missing</source>
        <translation>項目がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>「%1」は整数ではありません</translation>
    </message>
    <message>
        <source>%1, line %2, field %3 (%4): %5.</source>
        <translation>%1 の %2 行目 %3 番目の項目 (%4): %5。</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>female</source>
        <translation>女性</translation>
    </message>
    <message>
        <source>male</source>
        <translation>男性</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>A password cannot contain a line break.</source>
        <translation>パスワードに改行は使えません。</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored. Please use other characters.</source>
        <translation>パスワードに保存できない文字が含まれています。別の文字を使ってください。</translation>
    </message>
    <message>
        <source>The password file %1 is empty.</source>
        <translation>パスワードファイル %1 が空です。</translation>
    </message>
    <message>
        <source>The settings file %1 has %2 lines; it needs four.</source>
        <translation>設定ファイル %1 は %2 行しかありません。4 行必要です。</translation>
    </message>
    <message>
        <source>Line 3 of the settings file %1 is not an integer: &quot;%2&quot;.</source>
        <translation>設定ファイル %1 の 3 行目が整数ではありません:「%2」</translation>
    </message>
    <message>
        <source>Line 4 of the settings file %1 is not a real number: &quot;%2&quot;.</source>
        <translation>設定ファイル %1 の 4 行目が実数ではありません:「%2」</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダ %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <translation>%1 にフォルダを作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>フォルダ %1 を作成できません: %2</translation>
    </message>
</context>
<context>
    <name>korven-problems</name>
    <message>
        <source>korven-problems: makes and checks the problem sets of KORVEN.

Usage:
  korven-problems make --out DIR [--seed N] [--only LIST] [--data DIR] [--threads N]
      Writes the 48 catalogue problems under DIR, each a folder with the bitmaps
      1-1.bmp .. 23-2.bmp and its listing file NAME.set, and the sample image
      DIR/1-1.bmp. The same seed (default 1) writes the same files.
      --only LIST   only these catalogue positions (1..48), e.g. --only 1,5
      --data DIR    folder of the ideogram tables human-ideogram-bands-*.tsv
      --threads N   worker threads (default: one per core)
  korven-problems pack DIR
      Writes DIR/NAME.set (NAME is the folder&apos;s name) for a folder holding the 46
      bitmaps 1-1.bmp .. 23-2.bmp; refuses, changing nothing, if one is missing or
      is not a 24-bit BMP.
  korven-problems check DIR
      Verifies a problem folder: the 46 bitmaps present and 24-bit, 46 listing
      lines, every check value matching. Lists each fault; exit code 0 only when
      the folder is sound.
  korven-problems sheet DIR OUT.png
      Draws the folder&apos;s 46 chromosomes as a labelled karyogram into OUT.png.
  korven-problems --help
      Shows this text.

Exit codes: 0 success, 1 failure or faults found, 2 wrong usage.
</source>
        <translation>korven-problems: KORVEN の問題セットを作成・点検します。

使い方:
  korven-problems make --out DIR [--seed N] [--only LIST] [--data DIR] [--threads N]
      目録の 48 問を DIR の下に書きます。各問題はビットマップ 1-1.bmp .. 23-2.bmp と
      一覧ファイル NAME.set を収めたフォルダです。見本画像 DIR/1-1.bmp も書きます。
      同じシード(既定値 1)からは同じファイルができます。
      --only LIST   この目録位置(1..48)だけ。例: --only 1,5
      --data DIR    イディオグラム表 human-ideogram-bands-*.tsv のフォルダ
      --threads N   作業スレッド数(既定値: コア数)
  korven-problems pack DIR
      46 枚のビットマップ 1-1.bmp .. 23-2.bmp を収めたフォルダに DIR/NAME.set
      (NAME はフォルダ名)を書きます。1 枚でも欠けているか 24 ビット BMP でなければ、
      何も変えずに中止します。
  korven-problems check DIR
      問題フォルダを点検します: 46 枚のビットマップがそろって 24 ビットであること、
      一覧が 46 行あること、すべてのチェック値が一致すること。不備をすべて挙げ、
      問題がないときだけ終了コード 0 を返します。
  korven-problems sheet DIR OUT.png
      フォルダの 46 本の染色体を番号付きの核型として OUT.png に描きます。
  korven-problems --help
      この説明を表示します。

終了コード: 0 成功、1 失敗または不備あり、2 使い方の誤り。
</translation>
    </message>
    <message>
        <source>korven-problems: %1</source>
        <translation>korven-problems: %1</translation>
    </message>
    <message>
        <source>Try &apos;korven-problems --help&apos;.</source>
        <translation>&apos;korven-problems --help&apos; で使い方を表示します。</translation>
    </message>
    <message>
        <source>make: unknown argument &apos;%1&apos;</source>
        <translation>make: 不明な引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>make: %1 needs a value</source>
        <translation>make: %1 には値が必要です</translation>
    </message>
    <message>
        <source>make: invalid value &apos;%1&apos; for %2</source>
        <translation>make: %2 の値 &apos;%1&apos; は不正です</translation>
    </message>
    <message>
        <source>make: --out DIR is required</source>
        <translation>make: --out DIR が必要です</translation>
    </message>
    <message>
        <source>made %1 of %2 problems</source>
        <translation>%2 問中 %1 問を作成しました</translation>
    </message>
    <message>
        <source>wrote %1 problems (%2 bitmaps) to %3 in %4 s</source>
        <translation>%1 問(ビットマップ %2 枚)を %3 に書きました(%4 秒)</translation>
    </message>
    <message>
        <source>%1: sound</source>
        <translation>%1: 問題ありません</translation>
    </message>
    <message>
        <source>%1: %2 fault(s)</source>
        <translation>%1: 不備 %2 件</translation>
    </message>
    <message>
        <source>%1: cannot write the picture (%2)</source>
        <translation>%1: 画像を書き込めません(%2)</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>%1 を書きました</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>pack needs exactly one folder</source>
        <translation>pack にはフォルダを 1 つだけ指定してください</translation>
    </message>
    <message>
        <source>check needs exactly one folder</source>
        <translation>check にはフォルダを 1 つだけ指定してください</translation>
    </message>
    <message>
        <source>sheet needs a folder and an output file</source>
        <translation>sheet にはフォルダと出力ファイルを指定してください</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos;</translation>
    </message>
</context>
</TS>
