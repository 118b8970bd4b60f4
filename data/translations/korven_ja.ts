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
    <message>
        <source>%1 x %2 pixels is too large (at most %3 x %3 and %4 pixels)</source>
        <translation>%1 x %2 画素は大きすぎます(上限は %3 x %3、合計 %4 画素)</translation>
    </message>
</context>
<context>
    <name>ClassArguments</name>
    <message>
        <source>Give only one of --csv and --trials-csv.</source>
        <translation>--csv と --trials-csv はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>%1 needs the name of the file to write.</source>
        <translation>%1 には書き出すファイルの名前が必要です。</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>不明なオプション %1 です。</translation>
    </message>
    <message>
        <source>Give at most one Result folder.</source>
        <translation>Result フォルダは一つだけ指定してください。</translation>
    </message>
    <message>
        <source>Usage: korven-class [RESULT_DIR]
       korven-class --csv OUT.csv [RESULT_DIR]
       korven-class --trials-csv OUT.csv [RESULT_DIR]
       korven-class --help | --version
Shows every trainee&apos;s progress from the Result folder of KORVEN, or writes it as CSV.
</source>
        <translation>使い方: korven-class [RESULT_DIR]
        korven-class --csv OUT.csv [RESULT_DIR]
        korven-class --trials-csv OUT.csv [RESULT_DIR]
        korven-class --help | --version
KORVEN の Result フォルダから受講者全員の上達ぶりを表示するか、CSV に書き出します。
</translation>
    </message>
</context>
<context>
    <name>ClassCommand</name>
    <message>
        <source>%1 lies in the Result folder, which is only read.</source>
        <translation>%1 は Result フォルダの中にあります。Result フォルダは読み取るだけで、書き込みません。</translation>
    </message>
    <message>
        <source>read %1 of %2 trainees</source>
        <translation>受講者 %2 人のうち %1 人を読み込みました</translation>
    </message>
    <message>
        <source>wrote the trials of %1 of %2 trainees</source>
        <translation>受講者 %2 人のうち %1 人の試行を書き出しました</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダ %1 がありません。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダではありません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>フォルダ %1 を読み取れません。</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <source>%1 lies in the Result folder, which is only read.</source>
        <translation>%1 は Result フォルダの中にあります。Result フォルダは読み取るだけで、書き込みません。</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>ヘルプファイル %1 が見つかりません。</translation>
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
    <name>KaryogramImport</name>
    <message>
        <source>%1: cannot write the picture (%2)</source>
        <translation>%1: 画像を書き込めません(%2)</translation>
    </message>
    <message>
        <source>%1: cannot write (%2)</source>
        <translation>%1: 書き込めません(%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: ファイルがありません</translation>
    </message>
    <message>
        <source>%1: cannot be read as a picture (%2); use PNG, JPEG, TIFF, BMP or GIF</source>
        <translation>%1: 画像として読み取れません(%2)。PNG、JPEG、TIFF、BMP、GIF のいずれかを使ってください</translation>
    </message>
    <message>
        <source>%1: cannot make room to replace it</source>
        <translation>%1: 置き換えるための場所を用意できません</translation>
    </message>
    <message>
        <source>%1: cannot be replaced (is it open elsewhere?)</source>
        <translation>%1: 置き換えられません(ほかで開かれていませんか？)</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>%1 段目: %2</translation>
    </message>
    <message>
        <source>found %1 chromosomes in %2 rows (%3)</source>
        <translation>%2 段に %1 本の染色体が見つかりました(%3)</translation>
    </message>
    <message>
        <source>, but row %1 cannot hold whole pairs</source>
        <translation>。ただし %1 段目は対がそろいません</translation>
    </message>
    <message>
        <source>, not 46 in 23 pairs</source>
        <translation>。23 対 46 本ではありません</translation>
    </message>
    <message>
        <source>46 chromosomes in 23 pairs</source>
        <translation>23 対 46 本の染色体</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a catalogue name, so KORVEN would not list it; use one of the 48 names that &apos;korven-problems list&apos; shows, such as %2 or %3</source>
        <translation>「%1」は目録名ではないため、KORVEN の問題一覧に載りません。&apos;korven-problems list&apos; が示す 48 の名前(%2、%3 など)のいずれかを使ってください</translation>
    </message>
    <message>
        <source>%1 already exists; add --replace to replace it</source>
        <translation>%1 はすでにあります。置き換えるには --replace を付けてください</translation>
    </message>
    <message>
        <source>%1: %2; nothing written. %3 shows what was taken for each piece</source>
        <translation>%1: %2。何も書き込んでいません。各断片として何が取り出されたかは %3 で確認できます</translation>
    </message>
    <message>
        <source>%1 is a female set, but the last two chromosomes of %2 differ clearly in length (%3 and %4 pixels: an X and a Y); use a male catalogue name (%5...)</source>
        <translation>%1 は女性の核型ですが、%2 の最後の 2 本は長さがはっきり違います(%3 と %4 画素: X と Y)。男性の目録名(%5...)を使ってください</translation>
    </message>
    <message>
        <source>%1 is a male set, but the last two chromosomes of %2 are alike in length (%3 and %4 pixels: two X, no Y); use a female catalogue name (%5...)</source>
        <translation>%1 は男性の核型ですが、%2 の最後の 2 本は長さがほぼ同じです(%3 と %4 画素: X が 2 本で Y がありません)。女性の目録名(%5...)を使ってください</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: フォルダを作成できません</translation>
    </message>
    <message>
        <source>%1: cannot write there (%2)</source>
        <translation>%1: そこに書き込めません(%2)</translation>
    </message>
    <message>
        <source>%1: the set cut from this picture would not be sound; nothing written:
%2</source>
        <translation>%1: この画像から切り出したセットは正しくありません。何も書き込んでいません:
%2</translation>
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
    <name>Locks</name>
    <message>
        <source>no permission to create %1</source>
        <translation>%1 を作成する権限がありません</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 を作成できません</translation>
    </message>
    <message>
        <source>cannot remove the broken lock %1</source>
        <translation>壊れたロック %1 を削除できません</translation>
    </message>
</context>
<context>
    <name>PicturePack</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: フォルダがありません</translation>
    </message>
    <message>
        <source>%1: missing; add the picture as %2.bmp, %2.png or %2.jpg</source>
        <translation>%1: ありません。画像を %2.bmp、%2.png、%2.jpg のいずれかとして追加してください</translation>
    </message>
    <message>
        <source>%1: %2 pictures (%3); keep one</source>
        <translation>%1: 画像が %2 個あります(%3)。一つだけ残してください</translation>
    </message>
    <message>
        <source>%1: cannot be read as a picture (%2); save it again as PNG or BMP</source>
        <translation>%1: 画像として読み取れません(%2)。PNG か BMP で保存し直してください</translation>
    </message>
    <message>
        <source>no listing written for %1, nothing changed:
  %2</source>
        <translation>%1 の一覧ファイルは書き込まず、何も変更していません:
  %2</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1: 書き込めません(%2)。何も変更していません</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: フォルダを作成できません</translation>
    </message>
    <message>
        <source>%1: cannot be replaced</source>
        <translation>%1: 置き換えられません</translation>
    </message>
    <message>
        <source>converted %1 to %2 (original kept as %3)</source>
        <translation>%1 を %2 に変換しました(元の画像は %3 として保存)</translation>
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
    <name>ProblemAudit</name>
    <message>
        <source>%1: &quot;%2&quot; is not a catalogue name, so KORVEN ignores this folder; rename it to one of the names &apos;korven-problems list&apos; shows</source>
        <translation>%1: 「%2」は目録名ではないため、KORVEN はこのフォルダを使いません。&apos;korven-problems list&apos; が示す名前のいずれかに変更してください</translation>
    </message>
    <message>
        <source>%1: the background is not pure white, so the piece would show a box that gives its orientation away; &apos;korven-problems pack&apos; makes it white</source>
        <translation>%1: 背景が純白ではないため、枠が見えて向きが分かってしまいます。&apos;korven-problems pack&apos; で白にできます</translation>
    </message>
    <message>
        <source>%1: holds %2 chromosomes, not one; cut it into one bitmap per chromosome</source>
        <translation>%1: 染色体が 1 本ではなく %2 本写っています。染色体 1 本ごとに 1 枚のビットマップに切り分けてください</translation>
    </message>
    <message>
        <source>%1: a female set, but 23-1.bmp and 23-2.bmp differ clearly in length (%2 and %3 pixels), like an X and a Y; use a male name or the right bitmaps</source>
        <translation>%1: 女性の核型ですが、23-1.bmp と 23-2.bmp は X と Y のように長さがはっきり違います(%2 と %3 画素)。男性の名前にするか、正しいビットマップを使ってください</translation>
    </message>
    <message>
        <source>%1: a male set, but 23-1.bmp and 23-2.bmp are alike in length (%2 and %3 pixels), like two X; use a female name or put the Y in 23-2.bmp</source>
        <translation>%1: 男性の核型ですが、23-1.bmp と 23-2.bmp は X 2 本のように長さがほぼ同じです(%2 と %3 画素)。女性の名前にするか、Y を 23-2.bmp に入れてください</translation>
    </message>
    <message>
        <source>%1: %2 pixels high, over two and a half times the set&apos;s median of %3, so every other chromosome would shrink to a speck; crop its margins or scale it like the others</source>
        <translation>%1: 高さ %2 画素で、この核型の中央値 %3 の 2.5 倍を超えています。このままではほかの染色体が点のように縮んでしまいます。余白を切り取るか、ほかと同じ倍率にしてください</translation>
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
        <source>Cannot load the image %1: %2</source>
        <translation>画像 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>No chromosome image is loaded; the pieces cannot be sized.</source>
        <translation>染色体画像が読み込まれていないため、大きさを決められません。</translation>
    </message>
    <message>
        <source>Cannot load the image %1: it declares %2 x %3 pixels; at most %4 x %4 and %5 pixels in all are accepted.</source>
        <translation>画像 %1 を読み込めません: %2 x %3 画素と記されていますが、受け付けるのは %4 x %4、合計 %5 画素までです。</translation>
    </message>
    <message>
        <source>Cannot load the image %1: %2 x %3 pixels is too large.</source>
        <translation>画像 %1 を読み込めません: %2 x %3 画素は大きすぎます。</translation>
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
    <message>
        <source>Magnifier</source>
        <translation>拡大鏡</translation>
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
    <message>
        <source>The ID %1 cannot be used: %2.</source>
        <translation>ID %1 は使えません: %2。</translation>
    </message>
    <message>
        <source>This ID is in use on %1.</source>
        <translation>この ID は %1 で使用中です。</translation>
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
    <name>TraineeSummary</name>
    <message numerus="yes">
        <source>%n more damaged line(s) left out.</source>
        <translation>
            <numerusform>ほかに壊れた行 %n 行を除きました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has too many lines (%2; at most %3 are read).</source>
        <translation>%1 は行が多すぎます(%2 行。読み取るのは %3 行までです)。</translation>
    </message>
    <message>
        <source>bytes that are not CP932 text</source>
        <translation>CP932 の文字ではないバイト</translation>
    </message>
    <message>
        <source>the file is empty, without even its header line</source>
        <translation>ファイルが空で、見出し行もありません</translation>
    </message>
    <message>
        <source>not the header line of a trial record file</source>
        <translation>試行記録ファイルの見出し行ではありません</translation>
    </message>
    <message>
        <source>No trial recorded yet (%1).</source>
        <translation>試行の記録はまだありません(%1)。</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <translation>%1、%2 行目: %3。</translation>
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
    <message>
        <source>%1 is out of range</source>
        <translation>%1 は範囲外です</translation>
    </message>
    <message>
        <source>field %1 (%2): %3</source>
        <translation>項目 %1(%2): %3</translation>
    </message>
    <message>
        <source>%1, line %2, %3.</source>
        <translation>%1、%2 行目、%3。</translation>
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
    <name>korven</name>
    <message>
        <source>%1: unknown argument &apos;%2&apos; (try &apos;%1 --help&apos;)
</source>
        <translation>%1: 不明な引数 &apos;%2&apos; です(&apos;%1 --help&apos; を参照してください)
</translation>
    </message>
    <message>
        <source>korven: another copy of KORVEN is running (process %1); this one ends.
</source>
        <translation>korven: KORVEN はすでに起動しています(プロセス %1)。こちらは終了します。
</translation>
    </message>
    <message>
        <source>korven: cannot take the single-copy lock: %1.
</source>
        <translation>korven: 二重起動防止のロックを取得できません: %1。
</translation>
    </message>
    <message>
        <source>Usage: korven [--help | --version]

KORVEN, a training program for human karyotyping. Started without arguments it opens
its login window; one copy runs per desktop user.

Files: the bundled problem sets and the help manual are read from the program&apos;s folder
(PREFIX/share/korven when installed); each trainee&apos;s records are kept in Result/ of
the data folder, which is the program&apos;s own folder when run from a folder of its own,
and ~/.local/share/korven ($XDG_DATA_HOME/korven) when installed. Problem sets in the
data folder&apos;s Images/ replace bundled ones of the same name.

Environment:
  KORVEN_DATA   another data folder (holding Result/ and optionally Images/), for
                example a class&apos;s shared folder; an ID is used by one copy at a time.
</source>
        <translation>使い方: korven [--help | --version]

KORVEN は、ヒト核型分析の訓練プログラムです。引数なしで起動するとログイン画面を
開きます。デスクトップのユーザーごとに一つだけ起動できます。

ファイル: 付属の問題セットとヘルプはプログラムのフォルダ(インストール時は
PREFIX/share/korven)から読み込みます。受講者ごとの記録はデータフォルダの Result/
に保存します。データフォルダは、専用のフォルダから実行したときはプログラム自身の
フォルダ、インストール時は ~/.local/share/korven($XDG_DATA_HOME/korven)です。
データフォルダの Images/ にある問題セットは、同じ名前の付属の問題セットより優先されます。

環境変数:
  KORVEN_DATA   別のデータフォルダ(Result/ と、必要なら Images/ を置く)。たとえば
                クラスの共有フォルダ。一つの ID は同時に一つの KORVEN だけが使えます。
</translation>
    </message>
</context>
<context>
    <name>korven-problems</name>
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
    <message>
        <source>korven-problems: makes and checks the problem sets of KORVEN.

Usage:
  korven-problems make --out DIR [--seed N] [--only LIST] [--data DIR] [--threads N]
                       [--refresh]
      Writes the 48 catalogue problems under DIR, each a folder with the bitmaps
      1-1.bmp .. 23-2.bmp and its listing file NAME.set, and the sample image
      DIR/1-1.bmp. The same seed (default 1) writes the same files. Installed,
      DIR defaults to the user&apos;s own Images folder (~/.local/share/korven/Images,
      or KORVEN_DATA/Images).
      --only LIST   only these catalogue positions (1..48), e.g. --only 1,5
      --data DIR    folder of the ideogram tables human-ideogram-bands-*.tsv
      --threads N   worker threads (default: one per core)
      --refresh     rewrite only what an earlier --refresh wrote and nobody has
                    changed since; keep every folder changed or added by hand
  korven-problems import PICTURE --out IMAGES_DIR --name NAME [--preview OUT.png] [--replace]
      Cuts a karyogram picture (PNG, JPEG, TIFF, BMP, GIF; pairs in reading order,
      the sex chromosomes last) into the problem folder IMAGES_DIR/NAME. NAME must
      be a catalogue name whose sex matches the picture. Writes the folder whole or
      not at all; --replace replaces an existing one. --preview writes the new
      set&apos;s sheet; when the chromosomes are not 46 in 23 pairs it shows what was
      found instead (without --preview: NAME-diagnosis.png here).
  korven-problems list [IMAGES_DIR]
      Lists the 48 catalogue names in catalogue order: the number the problem list
      gives each present folder, whether it is sound, its sex and, for made sets,
      the band level. Default IMAGES_DIR: the Images folder beside this tool; installed,
      the user&apos;s own Images folder.
  korven-problems pack DIR
      Turns the 46 pictures 1-1 .. 23-2 of DIR (BMP of any depth, PNG, JPEG, TIFF,
      GIF) into 24-bit BMPs on pure white (originals kept in DIR/originals) and
      writes DIR/NAME.set (NAME is the folder&apos;s name); refuses, changing nothing,
      if a picture is missing, doubled or unreadable.
  korven-problems check DIR
      Verifies a problem folder: the 46 bitmaps present and 24-bit, 46 listing
      lines, every check value matching, and nothing that would play wrongly (a
      name outside the catalogue, an oversized bitmap, a background not pure
      white, two chromosomes in one bitmap, sex chromosomes that disagree with the
      name). Lists each fault; exit code 0 only when the folder is sound.
  korven-problems sheet DIR OUT.png
      Draws the folder&apos;s 46 chromosomes as a labelled karyogram into OUT.png.
  korven-problems --help
      Shows this text.
  korven-problems --version
      Shows the version.

Exit codes: 0 success, 1 failure or faults found, 2 wrong usage.
</source>
        <translation>korven-problems: KORVEN の問題セットを作成し、検査します。

使い方:
  korven-problems make --out DIR [--seed N] [--only LIST] [--data DIR] [--threads N]
                       [--refresh]
      目録の 48 問題を DIR の下に書き込みます。各問題は、ビットマップ 1-1.bmp ..
      23-2.bmp と一覧ファイル NAME.set を収めたフォルダです。見本画像
      DIR/1-1.bmp も書き込みます。同じシード(既定は 1)からは同じファイルができます。
      インストール時の DIR の既定は、ユーザー自身の Images フォルダ
      (~/.local/share/korven/Images または KORVEN_DATA/Images)です。
      --only LIST   これらの目録番号(1..48)だけ。例: --only 1,5
      --data DIR    イディオグラムの表 human-ideogram-bands-*.tsv のフォルダ
      --threads N   作業スレッドの数(既定: コアごとに一つ)
      --refresh     以前の --refresh で書き込み、その後だれも変更していないものだけを
                    書き直します。手で変更・追加したフォルダはすべてそのまま残します
  korven-problems import PICTURE --out IMAGES_DIR --name NAME [--preview OUT.png] [--replace]
      核型の画像(PNG、JPEG、TIFF、BMP、GIF。染色体対は読む順に並び、性染色体が最後)を
      切り分けて問題フォルダ IMAGES_DIR/NAME にします。NAME は、画像と性別の合う
      目録名でなければなりません。フォルダは丸ごと書き込むか、まったく書き込まない
      かのどちらかです。--replace は既存のフォルダを置き換えます。--preview は新しい
      セットのシートを書き込みます。染色体が 23 対 46 本でないときは、代わりに見つかった
      ものを示します(--preview なしでは、ここに NAME-diagnosis.png として)。
  korven-problems list [IMAGES_DIR]
      目録の 48 の名前を目録順に一覧にします: 存在する各フォルダに問題一覧が
      付ける番号、不備がないか、性別、作成したセットではバンドレベル。IMAGES_DIR の既定は
      このツールの隣の Images フォルダ、インストール時はユーザー自身の Images フォルダです。
  korven-problems pack DIR
      DIR の 46 枚の画像 1-1 .. 23-2(任意の色深度の BMP、PNG、JPEG、TIFF、GIF)を
      純白の背景の 24 ビット BMP に変換し(元の画像は DIR/originals に保存)、
      DIR/NAME.set(NAME はフォルダ名)を書き込みます。画像が欠けている、重複している、
      読み取れないときは、何も変更せずに中止します。
  korven-problems check DIR
      問題フォルダを検査します: 46 枚のビットマップがそろい 24 ビットであること、
      一覧ファイルが 46 行で、すべての検査値が合うこと、正しく出題できないもの
      (目録外の名前、大きすぎるビットマップ、純白でない背景、1 枚に 2 本の染色体、
      名前と合わない性染色体)がないこと。不備を一つずつ挙げます。フォルダに不備が
      ないときだけ終了コード 0 を返します。
  korven-problems sheet DIR OUT.png
      フォルダの 46 本の染色体を、ラベル付きの核型図として OUT.png に描きます。
  korven-problems --help
      この説明を表示します。
  korven-problems --version
      バージョンを表示します。

終了コード: 0 成功、1 失敗または不備あり、2 使い方の誤り。
</translation>
    </message>
    <message>
        <source>kept %1 (changed or added by hand)</source>
        <translation>%1 はそのままにしました(手で変更または追加されています)</translation>
    </message>
    <message>
        <source>kept %1 (changed by hand)</source>
        <translation>%1 はそのままにしました(手で変更されています)</translation>
    </message>
    <message>
        <source>nothing to rewrite in %1</source>
        <translation>%1 に書き直すものはありません</translation>
    </message>
    <message>
        <source>import: unknown argument &apos;%1&apos;</source>
        <translation>import: 不明な引数 &apos;%1&apos; です</translation>
    </message>
    <message>
        <source>import: %1 needs a value</source>
        <translation>import: %1 には値が必要です</translation>
    </message>
    <message>
        <source>import: the PICTURE to import is required</source>
        <translation>import: 取り込む画像 PICTURE を指定してください</translation>
    </message>
    <message>
        <source>import: --out IMAGES_DIR and --name NAME are required</source>
        <translation>import: --out IMAGES_DIR と --name NAME を指定してください</translation>
    </message>
    <message>
        <source>wrote %1 (46 bitmaps and the listing) in %2 s</source>
        <translation>%1 を書き込みました(ビットマップ 46 枚と一覧ファイル、%2 秒)</translation>
    </message>
    <message>
        <source>, picture turned %1 degrees</source>
        <translation>、画像を %1 度回転</translation>
    </message>
    <message>
        <source>list takes at most one folder</source>
        <translation>list に指定できるフォルダは一つまでです</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: フォルダがありません</translation>
    </message>
    <message>
        <source>%1: the problem list numbers the present catalogue folders in catalogue order</source>
        <translation>%1: 問題一覧は、存在する目録のフォルダに目録順で番号を付けます</translation>
    </message>
    <message>
        <source>ignored by KORVEN (not a catalogue name): %1</source>
        <translation>KORVEN が使わないフォルダ(目録名ではありません): %1</translation>
    </message>
    <message>
        <source>%1 faulty folder(s); &apos;korven-problems check FOLDER&apos; says what is wrong</source>
        <translation>不備のあるフォルダが %1 個あります。&apos;korven-problems check FOLDER&apos; で内容を確認できます</translation>
    </message>
    <message>
        <source>pos</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>no.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>state</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>sex</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>bands</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>faulty</source>
        <translation>不備</translation>
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
    <name>korven::ui::ClassTableModel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>試行回数</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>本日</translation>
    </message>
    <message>
        <source>Last score (/46)</source>
        <translation>最新の得点(/46)</translation>
    </message>
    <message>
        <source>Mean score (%)</source>
        <translation>平均正答率(%)</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>最高得点</translation>
    </message>
    <message>
        <source>Mean time (sec.)</source>
        <translation>平均時間(秒)</translation>
    </message>
    <message>
        <source>Last trial</source>
        <translation>最新の試行</translation>
    </message>
    <message>
        <source>Weakest</source>
        <translation>苦手な染色体</translation>
    </message>
    <message>
        <source>Last 20 scores</source>
        <translation>直近 20 回の得点</translation>
    </message>
</context>
<context>
    <name>korven::ui::ClassWindow</name>
    <message>
        <source>Class overview(KORVEN)</source>
        <translation>クラスの概要(KORVEN)</translation>
    </message>
    <message>
        <source>Open folder...</source>
        <translation>フォルダを開く...</translation>
    </message>
    <message>
        <source>Filter by ID</source>
        <translation>ID で絞り込み</translation>
    </message>
    <message>
        <source>Export table...</source>
        <translation>表を書き出す...</translation>
    </message>
    <message>
        <source>Export trials...</source>
        <translation>試行を書き出す...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>印刷...</translation>
    </message>
    <message>
        <source>Class: percentage of correct per chromosome pair (all trials)</source>
        <translation>クラス: 染色体対ごとの正答率(全試行)</translation>
    </message>
    <message>
        <source>Chromosome pair</source>
        <translation>染色体対</translation>
    </message>
    <message>
        <source>percentage of correct answers(%)</source>
        <translation>正答率(%)</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>クラス</translation>
    </message>
    <message numerus="yes">
        <source>%n trainee(s) in %1</source>
        <translation>
            <numerusform>%1 の受講者 %n 人</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a trainee to see the charts of the trials.</source>
        <translation>受講者を選ぶと、その試行のグラフを表示します。</translation>
    </message>
    <message>
        <source>Evaluation of %1</source>
        <translation>%1 さんの評価</translation>
    </message>
    <message>
        <source>Open a Result folder</source>
        <translation>Result フォルダを開く</translation>
    </message>
    <message>
        <source>Export all trials</source>
        <translation>全試行を書き出す</translation>
    </message>
    <message>
        <source>Export the table</source>
        <translation>表を書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source> We cannot print this result since we cannot change paper size into A4. </source>
        <translation> 用紙サイズを A4 に変更できないため、この結果は印刷できません。 </translation>
    </message>
    <message>
        <source>Class overview: %1   %2</source>
        <translation>クラスの概要: %1   %2</translation>
    </message>
</context>
<context>
    <name>korven::ui::HelpWindow</name>
    <message>
        <source>KORVEN Help</source>
        <translation>KORVEN ヘルプ</translation>
    </message>
</context>
</TS>
