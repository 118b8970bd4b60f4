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
    <name>BandSplice</name>
    <message>
        <source>chromosome %1 has no band %2</source>
        <translation>染色体 %1 にバンド %2 はありません</translation>
    </message>
    <message>
        <source>%1 keeps no centromere</source>
        <translation>%1 にはセントロメアが残りません</translation>
    </message>
    <message>
        <source>%1 keeps more than one centromere</source>
        <translation>%1 にはセントロメアが二つ以上残ります</translation>
    </message>
    <message>
        <source>there is no chromosome %1</source>
        <translation>染色体 %1 はありません</translation>
    </message>
    <message>
        <source>%1 keeps one centromere, not two</source>
        <translation>%1 の動原体は 1 つで、2 つではありません</translation>
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
        <source>%1 x %2 pixels is too large (at most %3 x %3 and %4 pixels)</source>
        <translation>%1 x %2 画素は大きすぎます(上限は %3 x %3、合計 %4 画素)</translation>
    </message>
</context>
<context>
    <name>CaseAnswerWindow</name>
    <message>
        <source>KORVEN  Correct answer</source>
        <translation>KORVEN  正解</translation>
    </message>
    <message>
        <source>Source chromosomes and breakpoints</source>
        <translation>元の染色体と切断点</translation>
    </message>
</context>
<context>
    <name>CaseFile</name>
    <message>
        <source>%1 line %2</source>
        <translation>%1 の %2 行目</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; needs %3 fields, has %4</source>
        <translation>%1: 「%2」には %3 個の項目が必要ですが、%4 個です</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1: 「%2」は %3 から %4 までの数ではありません</translation>
    </message>
    <message>
        <source>%1: spread of cell %2 where cell %3 comes next</source>
        <translation>%1: 次は細胞 %3 のはずが、細胞 %2 の分裂像です</translation>
    </message>
    <message>
        <source>%1: a piece needs a plain file name and an identity</source>
        <translation>%1: 染色体には単純なファイル名と名称が必要です</translation>
    </message>
    <message>
        <source>%1: piece of cell %2, which has no spread line before it</source>
        <translation>%1: 細胞 %2 の染色体ですが、その前に分裂像の行がありません</translation>
    </message>
    <message>
        <source>%1: unknown record &quot;%2&quot;</source>
        <translation>%1: 不明な記録「%2」</translation>
    </message>
    <message>
        <source>%1: no karyotype line</source>
        <translation>%1: karyotype の行がありません</translation>
    </message>
    <message>
        <source>%1: no level line</source>
        <translation>%1: level の行がありません</translation>
    </message>
    <message>
        <source>%1: no cell (spread line)</source>
        <translation>%1: 細胞(spread の行)がありません</translation>
    </message>
    <message>
        <source>%1: a spread of %2 x %3 pixels is larger than the %4 pixels a case may have</source>
        <translation>%1: %2 x %3 ピクセルの展開像は、1 症例に許される %4 ピクセルを超えています</translation>
    </message>
    <message>
        <source>%1: %2 is the bitmap of another piece already; each piece has its own</source>
        <translation>%1: %2 はすでに別の染色体のビットマップです。染色体ごとに別のビットマップが必要です</translation>
    </message>
    <message>
        <source>%1: cell %2 has more than %3 pieces, the most a cell may have</source>
        <translation>%1: 細胞 %2 の染色体が、1 細胞に許される上限 %3 本を超えています</translation>
    </message>
</context>
<context>
    <name>CaseFolder</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cell 1 has no chromosome.</source>
        <translation>%1: 細胞 1 に染色体がありません。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link; a case folder is read only where it lies.</source>
        <translation>%1 はシンボリックリンクです。症例フォルダーはその場にあるものだけを読みます。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <source>%1: the case&apos;s bitmaps hold more than %2 pixels in all, the most a case may load.</source>
        <translation>%1: この症例のビットマップは合計で、1 症例が読み込める上限の %2 ピクセルを超えています。</translation>
    </message>
    <message>
        <source>%1: the karyotype %2 cannot be read: %3</source>
        <translation>%1: 核型 %2 を読めません: %3</translation>
    </message>
</context>
<context>
    <name>CaseIdentity</name>
    <message>
        <source>Case %1</source>
        <translation>症例 %1</translation>
    </message>
</context>
<context>
    <name>CaseKind</name>
    <message>
        <source>normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>numerical</source>
        <translation>数的異常</translation>
    </message>
    <message>
        <source>structural balanced</source>
        <translation>構造異常(均衡型)</translation>
    </message>
    <message>
        <source>structural unbalanced</source>
        <translation>構造異常(不均衡型)</translation>
    </message>
    <message>
        <source>mosaic</source>
        <translation>モザイク</translation>
    </message>
    <message>
        <source>neoplastic</source>
        <translation>腫瘍性</translation>
    </message>
    <message>
        <source>variant</source>
        <translation>変異</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>CaseMaker</name>
    <message>
        <source>the karyotype has no cell line</source>
        <translation>核型に細胞系列がありません</translation>
    </message>
    <message>
        <source>a case has 1 to %1 cells, not %2</source>
        <translation>症例の細胞数は 1 から %1 までです(%2 ではありません)</translation>
    </message>
    <message>
        <source>every line of a mosaic needs its cell count in brackets, as in 45,X[3]/46,XX[17]</source>
        <translation>モザイクの各系列には、45,X[3]/46,XX[17] のように角かっこで細胞数が必要です</translation>
    </message>
    <message>
        <source>the counts add up to %1 cells; a case has at most %2</source>
        <translation>細胞数の合計が %1 です。症例の細胞は最大 %2 です</translation>
    </message>
    <message>
        <source>there is no ideogram table for %1 bands (tables: %2)</source>
        <translation>%1 バンドのイディオグラムの表がありません(表: %2)</translation>
    </message>
    <message>
        <source>%1 cannot be painted: %2</source>
        <translation>%1 は描けません: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain folder name</source>
        <translation>「%1」は単純なフォルダ名ではありません</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 はすでにあります</translation>
    </message>
    <message>
        <source>%1: not listed in case.txt</source>
        <translation>%1: case.txt に記載されていません</translation>
    </message>
    <message>
        <source>%1: cell %2: %3 overlaps %4</source>
        <translation>%1: 細胞 %2: %3 が %4 に重なっています</translation>
    </message>
    <message>
        <source>%1: cell %2: %3 reaches outside the spread</source>
        <translation>%1: 細胞 %2: %3 が分裂像の外にはみ出しています</translation>
    </message>
    <message>
        <source>%1: there is no ideogram table for level %2</source>
        <translation>%1: レベル %2 のイディオグラムの表がありません</translation>
    </message>
    <message>
        <source>%1: karyotype %2: %3</source>
        <translation>%1: 核型 %2: %3</translation>
    </message>
    <message>
        <source>%1: %2 cell(s) of line %3 where the karyotype counts %4</source>
        <translation>%1: 系列 %3 の細胞が %2 個ありますが、核型では %4 個です</translation>
    </message>
    <message>
        <source>%1 is painted %2 % as long as its bands give</source>
        <translation>%1 はバンドから求まる長さの %2 % の長さで描かれています</translation>
    </message>
    <message>
        <source>cell 1 cannot be of line %1: the karyotype has %2 line(s)</source>
        <translation>細胞 1 を系列 %1 にはできません: 核型の系列は %2 個です</translation>
    </message>
    <message>
        <source>cell 1 cannot be of line %1, which counts no cell</source>
        <translation>細胞 1 を系列 %1 にはできません: その系列の細胞数は 0 です</translation>
    </message>
    <message>
        <source>%1 is smaller than %2 bands show (less than one band, or under 3 % of its chromosome)</source>
        <translation>%1 は %2 バンドで見える大きさより小さい変化です(1 バンド未満、または染色体の 3 % 未満)</translation>
    </message>
    <message>
        <source>%1; it shows at %2 bands</source>
        <translation>%1。%2 バンドで見えます</translation>
    </message>
    <message>
        <source>%1; no band level shows it (FISH or a microarray finds it)</source>
        <translation>%1。どのバンドレベルでも見えません(FISH またはマイクロアレイで見つかります)</translation>
    </message>
    <message>
        <source>%1: cell %2 holds %3 chromosomes that are not those of %4 (%5 chromosomes)</source>
        <translation>%1: 細胞 %2 の %3 本の染色体は %4 のものではありません(%5 本)</translation>
    </message>
    <message>
        <source>%1: cell %2 holds %3 chromosomes where its line counts %4</source>
        <translation>%1: 細胞 %2 の染色体は %3 本ですが、その系列は %4 本です</translation>
    </message>
    <message>
        <source>%1: cell %2: %3</source>
        <translation>%1: 細胞 %2: %3</translation>
    </message>
</context>
<context>
    <name>CaseRecords</name>
    <message>
        <source>%1: the record is longer than %2 characters, more than is read back.</source>
        <translation>%1: 記録が %2 文字を超え、読み戻せる長さを超えています。</translation>
    </message>
    <message>
        <source>the folder has no name</source>
        <translation>フォルダーに名前がありません</translation>
    </message>
    <message>
        <source>the folder&apos;s name is not Unicode text</source>
        <translation>フォルダー名が Unicode の文字列ではありません</translation>
    </message>
    <message>
        <source>the folder&apos;s name holds a tab, a line end or another control character</source>
        <translation>フォルダー名にタブ、改行などの制御文字が含まれています</translation>
    </message>
    <message>
        <source>%1, line %2: not a case record.</source>
        <translation>%1、%2 行目: 症例の記録ではありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n more damaged line(s) left out.</source>
        <translation>
            <numerusform>ほかに壊れた行 %n 行を除きました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CaseSheet</name>
    <message>
        <source>%1: there is no ideogram table for level %2</source>
        <translation>%1: レベル %2 のイディオグラムの表がありません</translation>
    </message>
    <message>
        <source>%1 bands, cell 1</source>
        <translation>%1 バンド、細胞 1</translation>
    </message>
    <message>
        <source>Cell 1 as counted</source>
        <translation>計数する細胞 1</translation>
    </message>
</context>
<context>
    <name>CaseWindow</name>
    <message>
        <source>right</source>
        <translation>正解</translation>
    </message>
    <message>
        <source>near</source>
        <translation>惜しい</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>不正解</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>記載なし</translation>
    </message>
    <message>
        <source>extra</source>
        <translation>余分</translation>
    </message>
    <message>
        <source>KORVEN  Case work</source>
        <translation>KORVEN  症例実習</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>拡大鏡</translation>
    </message>
    <message>
        <source>Window(&amp;W)</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>症例</translation>
    </message>
    <message>
        <source>My cases</source>
        <translation>自分の症例</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>数:</translation>
    </message>
    <message>
        <source>Confirm count</source>
        <translation>数を確定</translation>
    </message>
    <message>
        <source>Karyotype:</source>
        <translation>核型:</translation>
    </message>
    <message>
        <source>for example 46,XX</source>
        <translation>例: 46,XX</translation>
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
        <source>Cases done</source>
        <translation>実施した症例</translation>
    </message>
    <message>
        <source>Karyotypes right</source>
        <translation>核型の正解</translation>
    </message>
    <message>
        <source>Counts right</source>
        <translation>数の正解</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>正解: %1</translation>
    </message>
    <message>
        <source>Marks: %1</source>
        <translation>印: %1</translation>
    </message>
    <message>
        <source>cell %1: %2</source>
        <translation>細胞 %1: %2</translation>
    </message>
    <message>
        <source>Counted: %1</source>
        <translation>数えた結果: %1</translation>
    </message>
    <message>
        <source>Choose a case from the list.</source>
        <translation>一覧から症例を選んでください。</translation>
    </message>
    <message>
        <source>Count of cell %1: %2 (true: %3)  %4</source>
        <translation>細胞 %1 の数: %2 (正しくは %3)  %4</translation>
    </message>
    <message>
        <source>Form: %1</source>
        <translation>書式: %1</translation>
    </message>
    <message>
        <source>Counts right: %1/%2    Pieces right: %3/%4    Karyotype: %5</source>
        <translation>数の正解: %1/%2    染色体の正解: %3/%4    核型: %5</translation>
    </message>
    <message>
        <source>Your case record file could not be read whole; the list shows what could be read.
%1</source>
        <translation>あなたの症例記録ファイルを全部は読めませんでした。一覧には読めた分だけを表示しています。
%1</translation>
    </message>
    <message>
        <source>Your folder cannot be written to: no case result is recorded in this session.</source>
        <translation>あなたのフォルダーに書き込めません。このセッションでは症例の結果は記録されません。</translation>
    </message>
    <message>
        <source>%1  (damaged)</source>
        <translation>%1  (破損)</translation>
    </message>
    <message>
        <source>This evaluation was not recorded in %1.
%2</source>
        <translation>この評価は %1 に記録されませんでした。
%2</translation>
    </message>
    <message>
        <source>Turn the piece under the pointer over</source>
        <translation>ポインターの下の染色体の上下を逆にする</translation>
    </message>
    <message>
        <source>count %1, pieces %2/%3, karyotype %4</source>
        <translation>数 %1、染色体 %2/%3、核型 %4</translation>
    </message>
    <message>
        <source>KORVEN</source>
        <translation>KORVEN</translation>
    </message>
    <message>
        <source>%1 is not graded yet. Leave it? Its marks, counts, placed pieces and karyotype are lost.</source>
        <translation>%1 はまだ評価していません。この症例を離れますか? 印、数、置いた染色体、核型は失われます。</translation>
    </message>
    <message>
        <source>band level %1</source>
        <translation>バンドレベル %1</translation>
    </message>
    <message>
        <source>%1 (%2), cell %3 of %4: click each chromosome to mark it (a click on a mark takes it off), then confirm the count.</source>
        <translation>%1 (%2)、細胞 %3/%4: 染色体を一本ずつクリックして印を付け(印をクリックすると外れます)、数を確定してください。</translation>
    </message>
    <message>
        <source>%1 (%2), cell 1: drag each chromosome into its group (double-click or Ctrl+R turns it over; right-click and turn the wheel to turn it), write the karyotype and press Evaluation.</source>
        <translation>%1 (%2)、細胞 1: 染色体を群へドラッグし(ダブルクリックか Ctrl+R で上下を逆に、右クリックしてホイールで回転)、核型を書いて「評価」を押してください。</translation>
    </message>
    <message>
        <source>%1 (%2), cell %3 as you counted it: %4 marks, %5 given, %6 true; %7 not counted, %8 counted more than once, each outlined in red.</source>
        <translation>%1 (%2)、数えたとおりの細胞 %3: 印 %4、入力 %5、正しくは %6。数えなかった染色体 %7 本、二度以上数えた染色体 %8 本を赤で縁取っています。</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>数えていません</translation>
    </message>
    <message>
        <source>counted %1 times</source>
        <translation>%1 回数えました</translation>
    </message>
    <message>
        <source>%1 (%2) is graded. Each fault is named on its piece; choose a cell to see how it was counted. &quot;Correct answer&quot; shows the answer.</source>
        <translation>%1 (%2) を評価しました。誤りはその染色体に書かれています。細胞を選ぶと数えたとおりに表示します。「正解」で正解を表示します。</translation>
    </message>
    <message>
        <source>a %1 in group %2</source>
        <translation>%2 群の %1</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>上下逆</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>回転しすぎ</translation>
    </message>
    <message>
        <source>No karyotype is written. Evaluate anyway? It is graded wrong.</source>
        <translation>核型が書かれていません。このまま評価しますか? 不正解になります。</translation>
    </message>
    <message>
        <source>Karyogram</source>
        <translation>核型図</translation>
    </message>
    <message>
        <source>Count of cell %1</source>
        <translation>細胞 %1 の数</translation>
    </message>
</context>
<context>
    <name>CellChromosomes</name>
    <message>
        <source>does not name chromosome %1</source>
        <translation>染色体 %1 を含みません</translation>
    </message>
    <message>
        <source>no normal chromosome %1 is left to change</source>
        <translation>変えられる正常な染色体 %1 が残っていません</translation>
    </message>
    <message>
        <source>cannot be painted: %1</source>
        <translation>描けません: %1</translation>
    </message>
    <message>
        <source>the break at %1 lies in a part already moved</source>
        <translation>%1 の切断点はすでに移った部分にあります</translation>
    </message>
    <message>
        <source>only derivatives made by translocations are painted, not by %1</source>
        <translation>描けるのは転座でできた派生染色体だけで、%1 によるものは描けません</translation>
    </message>
    <message>
        <source>it names no rearrangement</source>
        <translation>再構成が書かれていません</translation>
    </message>
</context>
<context>
    <name>ChromosomeVariants</name>
    <message>
        <source>chromosome %1 has no %2 block on its %3 arm to be %4</source>
        <translation>染色体 %1 の %3 腕には%4できる %2 領域がありません</translation>
    </message>
    <message>
        <source>larger</source>
        <translation>大きく</translation>
    </message>
    <message>
        <source>smaller</source>
        <translation>小さく</translation>
    </message>
</context>
<context>
    <name>ClassArguments</name>
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
       korven-class --cases-csv OUT.csv [RESULT_DIR]
       korven-class --help | --version
Shows every trainee&apos;s progress from the Result folder of KORVEN, or writes it as CSV.
</source>
        <translation>使い方: korven-class [RESULT_DIR]
        korven-class --csv OUT.csv [RESULT_DIR]
        korven-class --trials-csv OUT.csv [RESULT_DIR]
        korven-class --cases-csv OUT.csv [RESULT_DIR]
        korven-class --help | --version
KORVEN の Result フォルダから受講者全員の上達ぶりを表示するか、CSV に書き出します。
</translation>
    </message>
    <message>
        <source>Give only one of --csv, --trials-csv and --cases-csv.</source>
        <translation>--csv、--trials-csv、--cases-csv のうち一つだけを指定してください。</translation>
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
    <message>
        <source>out of memory</source>
        <translation>メモリーが足りません</translation>
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
        <source>The folder %1 cannot be read: %2.</source>
        <translation>フォルダ %1 を読めません: %2。</translation>
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
    <name>FileErrors</name>
    <message>
        <source>Permission denied</source>
        <translation>アクセス権がありません</translation>
    </message>
    <message>
        <source>No such file or folder</source>
        <translation>ファイルまたはフォルダがありません</translation>
    </message>
    <message>
        <source>A part of the path is not a folder</source>
        <translation>パスの途中にフォルダでないものがあります</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>ディスクの空き容量がありません</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>ディスク使用量の上限を超えました</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>読み取り専用のファイルシステムです</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>ファイル名が長すぎます</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>開いているファイルが多すぎます</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>入出力エラー</translation>
    </message>
    <message>
        <source>It exists already</source>
        <translation>すでに存在します</translation>
    </message>
    <message>
        <source>The folder is not empty</source>
        <translation>フォルダが空ではありません</translation>
    </message>
    <message>
        <source>It is in use</source>
        <translation>使用中です</translation>
    </message>
    <message>
        <source>Too many symbolic links</source>
        <translation>シンボリックリンクが多すぎます</translation>
    </message>
    <message>
        <source>It lies on another file system</source>
        <translation>別のファイルシステム上にあります</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>フォルダがありません</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>a file, not a folder</source>
        <translation>フォルダではなくファイルです</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ファイルではなくフォルダです</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way</source>
        <translation>フォルダ %1 を作成できません: 同じ名前のファイルがあります</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>フォルダ %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <translation>%1 を %2 に移動できません: %3</translation>
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
        <source>The help file %1 cannot be opened: %2.</source>
        <translation>ヘルプファイル %1 を開けません: %2。</translation>
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
    <message>
        <source>An ID cannot contain invisible characters. Please enter a different ID.</source>
        <translation>ID には見えない文字を使えません。別の ID を入力してください。</translation>
    </message>
    <message>
        <source>An ID cannot begin or end with a blank. Please enter a different ID.</source>
        <translation>ID の先頭と末尾に空白は使えません。別の ID を入力してください。</translation>
    </message>
</context>
<context>
    <name>KaryogramImport</name>
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
        <source>the picture has a dark background; it was inverted</source>
        <translation>画像の背景が暗いため、明暗を反転しました</translation>
    </message>
    <message>
        <source>the picture shows a sheet on a surface; it was cut to the sheet and straightened</source>
        <translation>画像は台の上の用紙を写したものなので、用紙の部分を切り出してまっすぐにしました</translation>
    </message>
    <message>
        <source>%1 dropped as %2</source>
        <translation>%2 として除外 %1 個</translation>
    </message>
    <message>
        <source>the picture shows a surface around the sheet whose corners cannot be found; crop the picture to the sheet</source>
        <translation>画像には用紙の周りの台が写っていますが、用紙の四隅が見つかりません。画像を用紙の部分に切り抜いてください</translation>
    </message>
    <message>
        <source>line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>label or title</source>
        <translation>ラベルまたは表題</translation>
    </message>
    <message>
        <source>colour mark</source>
        <translation>色付きの印</translation>
    </message>
    <message>
        <source>speck</source>
        <translation>しみ</translation>
    </message>
    <message>
        <source>%1: the set cut from this picture would not be sound; nothing written:
%2</source>
        <translation>%1: この画像から切り出したセットは正しくありません。何も書き込んでいません:
%2</translation>
    </message>
    <message>
        <source>%1: cannot make room to replace it: %2</source>
        <translation>%1: 置き換えの準備ができません: %2</translation>
    </message>
    <message>
        <source>%1: cannot write there: %2</source>
        <translation>%1: ここに書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>Karyotype</name>
    <message>
        <source>character %1</source>
        <translation>%1 文字目</translation>
    </message>
    <message>
        <source>%1 does not exist: %2 ends at %3 (%4).</source>
        <translation>%1 は存在しません: %2 は %3 で終わります(%4)。</translation>
    </message>
    <message>
        <source>%1 does not exist: %2 has no band %3 at any band level (%4).</source>
        <translation>%1 は存在しません: %2 には、どのバンドレベルにもバンド %3 がありません(%4)。</translation>
    </message>
    <message>
        <source>%1 (%2) is written %3: the sex chromosome or the lower number comes first, and the breakpoints in the same order.</source>
        <translation>%1(%2)は %3 と書きます: 性染色体または小さい番号を先に書き、切断点も同じ順に書きます。</translation>
    </message>
    <message>
        <source>for the same chromosome the numerical change comes before the structural one</source>
        <translation>同じ染色体では数的異常を構造異常より先に書きます</translation>
    </message>
    <message>
        <source>markers come last</source>
        <translation>マーカーは最後に書きます</translation>
    </message>
    <message>
        <source>X comes before Y</source>
        <translation>X は Y より先に書きます</translation>
    </message>
    <message>
        <source>sex chromosome abnormalities come first</source>
        <translation>性染色体の異常を最初に書きます</translation>
    </message>
    <message>
        <source>autosomes follow in numerical order</source>
        <translation>常染色体は番号順に書きます</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>The sex complement %1 (%2) is written %3: X comes before Y.</source>
        <translation>性染色体構成 %1(%2)は %3 と書きます: X は Y より先に書きます。</translation>
    </message>
    <message>
        <source>%1 (%2) must come before %3: %4.</source>
        <translation>%1(%2)は %3 より前に書きます: %4。</translation>
    </message>
    <message>
        <source>%1 stated, %2 described: %3.</source>
        <translation>記載された数は %1、内容から数えると %2: %3。</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>%1 行目(%2): %3</translation>
    </message>
    <message>
        <source>one band</source>
        <translation>1 バンド</translation>
    </message>
    <message>
        <source>two bands</source>
        <translation>2 バンド</translation>
    </message>
    <message>
        <source>three bands</source>
        <translation>3 バンド</translation>
    </message>
    <message>
        <source>four bands</source>
        <translation>4 バンド</translation>
    </message>
    <message>
        <source>five bands</source>
        <translation>5 バンド</translation>
    </message>
    <message>
        <source>six bands</source>
        <translation>6 バンド</translation>
    </message>
    <message>
        <source>seven bands</source>
        <translation>7 バンド</translation>
    </message>
    <message>
        <source>eight bands</source>
        <translation>8 バンド</translation>
    </message>
    <message>
        <source>nine bands</source>
        <translation>9 バンド</translation>
    </message>
    <message>
        <source>%1 bands</source>
        <translation>%1 バンド</translation>
    </message>
    <message>
        <source>not in the truth</source>
        <translation>正解にはありません</translation>
    </message>
    <message>
        <source>not in the answer</source>
        <translation>解答にありません</translation>
    </message>
    <message>
        <source>%1 where the truth has %2</source>
        <translation>%1 と書かれていますが、正解は %2 です</translation>
    </message>
    <message>
        <source>the truth has %1</source>
        <translation>正解は %1 です</translation>
    </message>
    <message>
        <source>The karyotype is empty.</source>
        <translation>核型が空です。</translation>
    </message>
    <message>
        <source>a comma, &apos;/&apos; or a cell count in brackets</source>
        <translation>コンマ、&apos;/&apos; または角かっこで囲んだ細胞数</translation>
    </message>
    <message>
        <source>The karyotype ends after %1 where %2 was expected.</source>
        <translation>核型が %1で終わっていますが、そこには %2が必要です。</translation>
    </message>
    <message>
        <source>KORVEN does not read uncertain chromosomes or bands (&apos;?&apos; at %1).</source>
        <translation>KORVEN は不確かな染色体やバンド(%1 の &apos;?&apos;)を読みません。</translation>
    </message>
    <message>
        <source>KORVEN does not read ranges (&apos;~&apos; at %1).</source>
        <translation>KORVEN は範囲(%1 の &apos;~&apos;)を読みません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at %2 is not expected here; %3 was expected.</source>
        <translation>%2の &apos;%1&apos; はここには書けません。%3が必要です。</translation>
    </message>
    <message>
        <source>The bracket &apos;%1&apos; opened at %2 is not closed.</source>
        <translation>%2で開いたかっこ &apos;%1&apos; が閉じていません。</translation>
    </message>
    <message>
        <source>The number %1 at %2 is too long.</source>
        <translation>%2 の数 %1 は長すぎます。</translation>
    </message>
    <message>
        <source>the chromosome count, as in 46,XX</source>
        <translation>染色体数(例: 46,XX)</translation>
    </message>
    <message>
        <source>a comma after the count</source>
        <translation>染色体数の後のコンマ</translation>
    </message>
    <message>
        <source>the number of cells</source>
        <translation>細胞数</translation>
    </message>
    <message>
        <source>%1 at %2 is not a sex chromosome: the sex complement is written with X and Y only, as in 46,XX or 47,XXY.</source>
        <translation>%2の %1 は性染色体ではありません: 性染色体構成は X と Y だけで書きます(例: 46,XX、47,XXY)。</translation>
    </message>
    <message>
        <source>The sex complement is missing at %1: it follows the count, as in 46,XX or 45,X.</source>
        <translation>%1に性染色体構成がありません: 染色体数の後に書きます(例: 46,XX、45,X)。</translation>
    </message>
    <message>
        <source>a chromosome (1 to 22, X or Y)</source>
        <translation>染色体(1 から 22、X または Y)</translation>
    </message>
    <message>
        <source>%1 at %2 is not a chromosome: chromosomes are 1 to 22, X and Y.</source>
        <translation>%2の %1 は染色体ではありません: 染色体は 1 から 22、X、Y です。</translation>
    </message>
    <message>
        <source>KORVEN does not read breakpoints written as pter, qter or cen (%1); write the band, as in p14 or q10.</source>
        <translation>KORVEN は pter、qter、cen と書いた切断点(%1)を読みません。p14 や q10 のようにバンドを書いてください。</translation>
    </message>
    <message>
        <source>a breakpoint: p or q and a band, as in q11.2</source>
        <translation>切断点(p または q とバンド。例: q11.2)</translation>
    </message>
    <message>
        <source>a band number after the arm, as in p14 or q11.2</source>
        <translation>腕の後のバンド番号(例: p14、q11.2)</translation>
    </message>
    <message>
        <source>a sub-band after the point, as in q11.2</source>
        <translation>小数点の後の下位バンド(例: q11.2)</translation>
    </message>
    <message>
        <source>%1 at %2 needs its breakpoints in brackets after it, as in %3.</source>
        <translation>%2の %1 には、後ろにかっこで切断点を書く必要があります(例: %3)。</translation>
    </message>
    <message>
        <source>one breakpoint</source>
        <translation>切断点 1 つ</translation>
    </message>
    <message>
        <source>two breakpoints</source>
        <translation>切断点 2 つ</translation>
    </message>
    <message>
        <source>one breakpoint (terminal) or two (interstitial)</source>
        <translation>切断点 1 つ(末端部)または 2 つ(中間部)</translation>
    </message>
    <message>
        <source>%1 at %2 needs %3, not %4.</source>
        <translation>%2の %1 には %3が必要です(書かれているのは %4 つ)。</translation>
    </message>
    <message>
        <source>%1 at %2 joins two chromosomes: write both, as in %3.</source>
        <translation>%2の %1 は 2 本の染色体をつなぎます: 両方を書いてください(例: %3)。</translation>
    </message>
    <message>
        <source>KORVEN does not read derivatives of three or more chromosomes (%1).</source>
        <translation>KORVEN は 3 本以上の染色体からなる派生染色体(%1)を読みません。</translation>
    </message>
    <message>
        <source>%1 at %2 takes one chromosome, as in %3.</source>
        <translation>%2の %1 には染色体を 1 本だけ書きます(例: %3)。</translation>
    </message>
    <message>
        <source>KORVEN does not read several markers in one (%1); write each as +mar.</source>
        <translation>KORVEN は複数のマーカーをまとめた書き方(%1)を読みません。1 つずつ +mar と書いてください。</translation>
    </message>
    <message>
        <source>%1 at %2 needs + or - before it: +%1 for a gain, -%1 for a loss.</source>
        <translation>%2の %1 には前に + か - が必要です: 増加は +%1、喪失は -%1 です。</translation>
    </message>
    <message>
        <source>A marker is written as a gain, +mar (%1).</source>
        <translation>マーカーは増加として +mar と書きます(%1)。</translation>
    </message>
    <message>
        <source>Only a whole chromosome is written lost with &apos;-&apos; (%1), as in -7.</source>
        <translation>&apos;-&apos; で喪失を書けるのは染色体 1 本全体だけです(%1)。例: -7。</translation>
    </message>
    <message>
        <source>A translocation makes two chromosomes (%1); a gained one is written +der(...), as in +der(22)t(11;22)(q23;q11.2).</source>
        <translation>転座からは 2 本の染色体ができます(%1)。増えた 1 本は +der(...) と書きます(例: +der(22)t(11;22)(q23;q11.2))。</translation>
    </message>
    <message>
        <source>an abnormality, as in +21, -7 or del(5)(p14)</source>
        <translation>異常(例: +21、-7、del(5)(p14))</translation>
    </message>
    <message>
        <source>KORVEN does not read a derivative of one chromosome with breakpoints of its own (%1); write der(N) followed by the rearrangement that made it, as in der(22)t(9;22)(q34;q11.2).</source>
        <translation>KORVEN は 1 本の染色体の派生染色体に直接切断点を付けた書き方(%1)を読みません。der(N) の後にそれを生じた再構成を書いてください(例: der(22)t(9;22)(q34;q11.2))。</translation>
    </message>
    <message>
        <source>%1 at %2 needs the rearrangement that made it after it, as in der(22)t(9;22)(q34;q11.2).</source>
        <translation>%2の %1 には、後ろにそれを生じた再構成を書く必要があります(例: der(22)t(9;22)(q34;q11.2))。</translation>
    </message>
    <message>
        <source>%1 at %2: a derivative of chromosome %3 is made by a rearrangement of chromosome %3.</source>
        <translation>%2の %1: 染色体 %3 の派生染色体は、染色体 %3 が関わる再構成からできます。</translation>
    </message>
    <message>
        <source>%1 at %2: the sex chromosomes are written in capitals, X and Y.</source>
        <translation>%2の %1: 性染色体は大文字の X と Y で書きます。</translation>
    </message>
    <message>
        <source>KORVEN reads chromosome counts from 1 to 103, not %1 (%2).</source>
        <translation>KORVEN が読める染色体数は 1 から 103 までです。%1 は読めません(%2)。</translation>
    </message>
    <message>
        <source>%1 (%2) is written %3: the two breakpoints of one chromosome are written from pter to qter.</source>
        <translation>%1(%2)は %3 と書きます: 1 本の染色体の 2 つの切断点は pter から qter の順に書きます。</translation>
    </message>
    <message>
        <source>near-haploid</source>
        <translation>近半数体</translation>
    </message>
    <message>
        <source>triploid</source>
        <translation>三倍体</translation>
    </message>
    <message>
        <source>tetraploid</source>
        <translation>四倍体</translation>
    </message>
    <message>
        <source>diploid</source>
        <translation>二倍体</translation>
    </message>
    <message>
        <source>%1 (%2 autosomes of a %3 line and %4)</source>
        <translation>%1(%3の系列の常染色体 %2 本と %4)</translation>
    </message>
    <message>
        <source>Line %1 (%2) has no cell count: each line of a mosaic or of clones is followed by its number of cells in brackets, as in 45,X[15]/46,XX[5].</source>
        <translation>%1 行目(%2)に細胞数がありません: モザイクやクローンの各系列の後には、角かっこで細胞数を書きます(例: 45,X[15]/46,XX[5])。</translation>
    </message>
    <message>
        <source>%1 is on the other arm from %2</source>
        <translation>%1 は %2 と反対の腕にあります</translation>
    </message>
    <message>
        <source>%1 is the band that holds %2</source>
        <translation>%1 は %2 を含むバンドです</translation>
    </message>
    <message>
        <source>%1 is not a band of %2%3</source>
        <translation>%1 は %2%3 のバンドではありません</translation>
    </message>
    <message>
        <source>%1 lies in the same band as %2 at %3 bands</source>
        <translation>%1 は %3 バンドのレベルでは %2 と同じバンドにあります</translation>
    </message>
    <message>
        <source>%1 holds %2, the neighbour of %3 at %4 bands, and more bands beyond it</source>
        <translation>%1 は %4 バンドのレベルで %3 の隣の %2 と、その先のバンドまで含みます</translation>
    </message>
    <message>
        <source>%1 is %2 from %3</source>
        <translation>%1 は %3 から %2離れています</translation>
    </message>
    <message>
        <source>more than one breakpoint is off</source>
        <translation>ずれている切断点が 2 つ以上あります</translation>
    </message>
    <message>
        <source>%1 beside %2 (%3): ISCN writes the structural chromosome in place of the ones it replaces, %4, without the losses.</source>
        <translation>%2 の横の %1(%3): ISCN では、構造異常染色体を置き換えた染色体の代わりに %4 と書き、喪失は書きません。</translation>
    </message>
    <message>
        <source>%1 cells where the truth has %2</source>
        <translation>細胞数 %1 と書かれていますが、正解は %2 です</translation>
    </message>
    <message>
        <source>the number of cells is not given; ISCN gives it in brackets after the line</source>
        <translation>細胞数が書かれていません。ISCN では系列の後に角かっこで書きます</translation>
    </message>
    <message>
        <source>An extra sex chromosome of a constitutional karyotype is written in the sex complement, as in 47,XXY, not as +X or +Y (%1).</source>
        <translation>先天性の核型で過剰な性染色体は、+X や +Y ではなく性染色体構成に書きます(例: 47,XXY)(%1)。</translation>
    </message>
    <message>
        <source>A sex chromosome gained by a neoplasm is written +X or +Y after the sex complement (%1).</source>
        <translation>腫瘍で増えた性染色体は、性染色体構成の後に +X または +Y と書きます(%1)。</translation>
    </message>
    <message>
        <source>The cell lines are listed in another order than the truth&apos;s: %1.</source>
        <translation>細胞系列の順が正解と異なります: %1。</translation>
    </message>
    <message>
        <source>the truth names the lines&apos; origin, %1</source>
        <translation>正解は系列の由来 %1 を書いています</translation>
    </message>
    <message>
        <source>The case&apos;s own karyotype cannot be read: %1</source>
        <translation>症例の核型を読み取れません: %1</translation>
    </message>
    <message>
        <source>%1 (%2) names the origin of several cell lines: write them joined by &apos;/&apos;, as in mos 45,X[15]/46,XX[5].</source>
        <translation>%1(%2)は複数の細胞系列の由来を表します: 系列を &apos;/&apos; でつないで書いてください(例: mos 45,X[15]/46,XX[5])。</translation>
    </message>
    <message>
        <source>KORVEN does not read the form &apos;%1&apos; (%2); it reads +, -, del, dup, inv, t, i, der, rob, r, dic, idic, ins, add, +mar, mos, chi and heteromorphisms such as 9qh+.</source>
        <translation>KORVEN は &apos;%1&apos; という書き方(%2)を読みません。読めるのは +、-、del、dup、inv、t、i、der、rob、r、dic、idic、ins、add、+mar、mos、chi と、9qh+ のような異形です。</translation>
    </message>
    <message>
        <source>%1 %2 (%3) is not ISCN: write %4 or %5.</source>
        <translation>%1 %2(%3)は ISCN の書き方ではありません: %4 または %5 と書いてください。</translation>
    </message>
    <message>
        <source>%1 at %2 needs the breakpoints of each of its chromosomes, separated by &apos;;&apos;, as in %3.</source>
        <translation>%2の %1 には、各染色体の切断点を &apos;;&apos; で区切って書く必要があります(例: %3)。</translation>
    </message>
    <message>
        <source>two breakpoints, or none when they are not known</source>
        <translation>切断点 2 つ(不明なときは書かない)</translation>
    </message>
    <message>
        <source>three breakpoints</source>
        <translation>切断点 3 つ</translation>
    </message>
    <message>
        <source>KORVEN does not read insertions between three or more chromosomes (%1).</source>
        <translation>KORVEN は 3 本以上の染色体の間の挿入(%1)を読みません。</translation>
    </message>
    <message>
        <source>%1 (%2) is an older writing: ISCN writes %3, with the band of each breakpoint.</source>
        <translation>%1(%2)は古い書き方です: ISCN では各切断点のバンドを付けて %3 と書きます。</translation>
    </message>
    <message>
        <source>%1%2%3 (%4) is an older writing: ISCN writes %5 with its breakpoint, as in %6.</source>
        <translation>%1%2%3(%4)は古い書き方です: ISCN では切断点を付けて %5 と書きます(例: %6)。</translation>
    </message>
    <message>
        <source>%1%2 (%3) is an older writing: ISCN writes %4, the sign before the chromosome.</source>
        <translation>%1%2(%3)は古い書き方です: ISCN では符号を染色体の前に付けて %4 と書きます。</translation>
    </message>
    <message>
        <source>the marker&apos;s number</source>
        <translation>マーカーの番号</translation>
    </message>
    <message>
        <source>An insertion changes the chromosomes it names (%1); a gained one is written +der(...).</source>
        <translation>挿入は書かれた染色体そのものを変えます(%1)。増えた 1 本は +der(...) と書きます。</translation>
    </message>
    <message>
        <source>The karyotype is %1 characters long; KORVEN reads karyotypes of at most %2.</source>
        <translation>核型が %1 文字あります。KORVEN が読める核型は %2 文字までです。</translation>
    </message>
    <message>
        <source>Full-width characters (%1) were read as their ASCII characters; ISCN writes a karyotype in ASCII.</source>
        <translation>全角文字(%1)は半角文字として読みました。ISCN では核型を半角で書きます。</translation>
    </message>
    <message>
        <source>A minus sign or dash (%1) was read as &apos;-&apos;.</source>
        <translation>マイナス記号やダッシュ(%1)は &apos;-&apos; として読みました。</translation>
    </message>
    <message>
        <source>Blanks (%1) were passed over; ISCN writes a karyotype without blanks.</source>
        <translation>空白(%1)は読み飛ばしました。ISCN では核型を空白なしで書きます。</translation>
    </message>
</context>
<context>
    <name>KaryotypeCells</name>
    <message>
        <source>cannot be read</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>karyotype %1: %2</source>
        <translation>核型 %1: %2</translation>
    </message>
</context>
<context>
    <name>KaryotypeGrading</name>
    <message>
        <source>The karyotype is %1 characters long; at most %2 are graded.</source>
        <translation>核型が %1 文字あります。評価するのは %2 文字までです。</translation>
    </message>
    <message>
        <source>The case&apos;s own karyotype cannot be read: %1</source>
        <translation>症例の核型を読み取れません: %1</translation>
    </message>
    <message>
        <source>No karyotype was written.</source>
        <translation>核型が書かれていません。</translation>
    </message>
</context>
<context>
    <name>KorvenPrinting</name>
    <message>
        <source>Printer Settings</source>
        <translation>プリンタの設定</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not ready for printing.</source>
        <translation>印刷できません: プリンタ「%1」は印刷できる状態ではありません。</translation>
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
    <message>
        <source>Cannot print: the file %1 cannot be written (%2).</source>
        <translation>印刷できません: ファイル %1 に書き込めません（%2）。</translation>
    </message>
    <message>
        <source>the printer gave no reason</source>
        <translation>プリンタは理由を返しませんでした</translation>
    </message>
    <message>
        <source>Printing failed: the file %1 could not be written (%2).</source>
        <translation>印刷に失敗しました: ファイル %1 に書き込めませんでした（%2）。</translation>
    </message>
</context>
<context>
    <name>Locks</name>
    <message>
        <source>cannot create %1</source>
        <translation>%1 を作成できません</translation>
    </message>
    <message>
        <source>cannot remove the broken lock %1</source>
        <translation>壊れたロック %1 を削除できません</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1 is not a lock file and cannot be moved aside</source>
        <translation>%1 はロックファイルではなく、よけることもできません</translation>
    </message>
</context>
<context>
    <name>MetaphaseSpread</name>
    <message>
        <source>the chromosomes do not fit into a spread</source>
        <translation>染色体が分裂像に収まりません</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>%1: %2 x %3 pixels is too large (at most %4 pixels)</source>
        <translation>%1: %2 x %3 ピクセルは大きすぎます(%4 ピクセルまで)</translation>
    </message>
    <message>
        <source>%1: cannot be read as a picture (%2); use PNG, JPEG, TIFF, BMP or GIF</source>
        <translation>%1: 画像として読み取れません(%2)。PNG、JPEG、TIFF、BMP、GIF のいずれかを使ってください</translation>
    </message>
    <message>
        <source>%1: cannot write the picture (%2)</source>
        <translation>%1: 画像を書き込めません(%2)</translation>
    </message>
</context>
<context>
    <name>PicturePack</name>
    <message>
        <source>%1: missing; add the picture as %2.bmp, %2.png or %2.jpg</source>
        <translation>%1: ありません。画像を %2.bmp、%2.png、%2.jpg のいずれかとして追加してください</translation>
    </message>
    <message>
        <source>%1: %2 pictures (%3); keep one</source>
        <translation>%1: 画像が %2 個あります(%3)。一つだけ残してください</translation>
    </message>
    <message>
        <source>no listing written for %1, nothing changed:
  %2</source>
        <translation>%1 の一覧ファイルは書き込まず、何も変更していません:
  %2</translation>
    </message>
    <message>
        <source>converted %1 to %2 (original kept as %3)</source>
        <translation>%1 を %2 に変換しました(元の画像は %3 として保存)</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1。何も変更していません</translation>
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
        <source>problem %1 is not in the catalogue (1 to %2)</source>
        <translation>問題 %1 は目録にありません(1 から %2)</translation>
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
    <name>SourceIdeogramsView</name>
    <message>
        <source>No chromosome of this cell is rearranged: gains and losses of whole chromosomes have no breakpoints.</source>
        <translation>この細胞には構造異常の染色体がありません。染色体全体の増減には切断点がありません。</translation>
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
    <message>
        <source>Case work...</source>
        <translation>症例実習...</translation>
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
    <message>
        <source>The ID &quot;%1&quot; looks like the existing ID &quot;%2&quot;: they differ only by case or by letters that look alike. Press Create ID again to create it anyway.</source>
        <translation>ID「%1」は既存の ID「%2」と見分けがつきません(大文字と小文字、または形の似た文字だけが違います)。それでも作成するときは、もう一度「IDを作成」を押してください。</translation>
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
        <source>Answer time</source>
        <translation>解答時間</translation>
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
        <source>Percentage of correct per chromosomes</source>
        <translation>染色体ごとの正答率</translation>
    </message>
    <message>
        <source>(correct traials/all trials)</source>
        <translation>(正解した試行/全試行)</translation>
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
    <message>
        <source>The folder of the ID %1 cannot be written to (%2).
You can practise, view and analyse your results, but no trial is recorded and no setting is saved in this session.</source>
        <translation>ID %1 のフォルダに書き込めません(%2)。
練習と成績の表示・分析はできますが、この回の試行は記録されず、設定も保存されません。</translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <translation>(記録されません)</translation>
    </message>
    <message>
        <source>%1

Reset the settings of %2 to the defaults and log in?</source>
        <translation>%1

%2 の設定を初期値に戻してログインしますか?</translation>
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
        <source>%1 is too large (%2 bytes; at most %3 are read). It was left alone.</source>
        <translation>%1 は大きすぎます(%2 バイト。読み込むのは %3 バイトまでです)。手を付けずにおきました。</translation>
    </message>
    <message>
        <source>%1 has too many lines (%2; at most %3 are read). It was left alone.</source>
        <translation>%1 は行が多すぎます(%2 行。読み込むのは %3 行までです)。手を付けずにおきました。</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダ %1 がありません</translation>
    </message>
    <message>
        <source>File not found: %1; %2.</source>
        <translation>ファイルが見つかりません: %1。%2。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
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
    <message>
        <source>the date &quot;%1&quot; cannot be read</source>
        <translation>日付「%1」を読めません</translation>
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
        <source>Cannot create a folder in %1: %2</source>
        <translation>%1 にフォルダを作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>フォルダ %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The folder of the ID %1 is missing: %2</source>
        <translation>ID %1 のフォルダがありません: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link, not the folder of the ID %2; it was left alone.</source>
        <translation>%1 はシンボリックリンクで、ID %2 のフォルダではありません。そのままにしました。</translation>
    </message>
    <message>
        <source>%1 is not a folder; the ID %2 cannot be used.</source>
        <translation>%1 はフォルダではありません。ID %2 は使えません。</translation>
    </message>
    <message>
        <source>The ID %1 was not created whole: %2 is missing. Please try again.</source>
        <translation>ID %1 は完全には作成されませんでした: %2 がありません。もう一度試してください。</translation>
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
    <message>
        <source>no folder of this user&apos;s own for it in %1</source>
        <translation>%1 にこのユーザー専用のフォルダがありません</translation>
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
        <source>invalid karyotype: %1</source>
        <translation>無効な核型: %1</translation>
    </message>
    <message>
        <source>karyotype: the band level is 400, 550 or 850, not &apos;%1&apos;</source>
        <translation>karyotype: バンドレベルは 400、550、850 のいずれかです(&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>karyotype: the karyotype TEXT is required</source>
        <translation>karyotype: 核型 TEXT が必要です</translation>
    </message>
    <message>
        <source>the truth is not sound: %1</source>
        <translation>正解の核型に不備があります: %1</translation>
    </message>
    <message>
        <source>form fault: %1</source>
        <translation>書式の誤り: %1</translation>
    </message>
    <message>
        <source> (line %1)</source>
        <translation>(%1 行目)</translation>
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
      A case folder (with case.txt): verifies that every file is listed and
      sound, that each cell holds the chromosomes of its karyotype, the cell
      counts of a mosaic, and that no chromosomes overlap in a spread.
      A problem folder: the 46 bitmaps present and 24-bit, 46 listing
      lines, every check value matching, and nothing that would play wrongly (a
      name outside the catalogue, an oversized bitmap, a background not pure
      white, two chromosomes in one bitmap, sex chromosomes that disagree with the
      name). Lists each fault; exit code 0 only when the folder is sound.
  korven-problems sheet DIR OUT.png
      Draws the folder&apos;s 46 chromosomes as a labelled karyogram into OUT.png; for
      a case folder, cell 1&apos;s karyogram with each abnormal chromosome labelled
      and, beside it, the ideograms it was made from with the breakpoints.
  korven-problems case KARYOTYPE --out CASES_DIR --name NAME [--level 400|550|850]
                       [--seed N] [--cells N] [--note TEXT]... [--note-ja TEXT]...
      Paints the cells of the karyotype (ISCN, e.g. 46,XX,t(11;22)(q23;q11.2)) and
      writes the case folder CASES_DIR/NAME: case.txt and the bitmaps of each
      cell&apos;s chromosomes laid out as a metaphase spread. A mosaic such as
      45,X[3]/46,XX[7] gets as many cells of each line as its counts say; any
      other karyotype --cells cells (default 1). Level default 550, seed 1.
      --note and --note-ja give the note shown with the answer in English and
      in Japanese. A change too small for the level to show is warned about,
      naming the level that shows it. The folder is written whole or not at
      all; an existing one is refused.
  korven-problems make-cases --out CASES_DIR [--seed N]
      Writes the bundled cases (case-01, case-02, ...) under CASES_DIR,
      replacing earlier folders of those names. A case whose change its level
      cannot show is refused.
  korven-problems karyotype TEXT
      Checks a karyotype written in ISCN (e.g. 47,XY,+21) and prints its normal
      form; exit code 1 with the reason when it is not a valid karyotype.
  korven-problems karyotype ANSWER --against TRUTH [--level 400|550|850]
      Compares an answer with the true karyotype element by element at a band
      level (default 550): one line per element, right, near, wrong, missing or
      extra, then the element and the reason after &apos; -- &apos;; last the line
      &apos;verdict: right&apos;, &apos;verdict: near&apos; or &apos;verdict: wrong&apos;.
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
      症例フォルダ(case.txt があるもの)では、すべてのファイルが一覧にあり健全で
      あること、各細胞が核型どおりの染色体を持つこと、モザイクの細胞数、分裂像の
      中で染色体が重ならないことを検査します。
      問題フォルダを検査します: 46 枚のビットマップがそろい 24 ビットであること、
      一覧ファイルが 46 行で、すべての検査値が合うこと、正しく出題できないもの
      (目録外の名前、大きすぎるビットマップ、純白でない背景、1 枚に 2 本の染色体、
      名前と合わない性染色体)がないこと。不備を一つずつ挙げます。フォルダに不備が
      ないときだけ終了コード 0 を返します。
  korven-problems sheet DIR OUT.png
      フォルダの 46 本の染色体を、ラベル付きの核型図として OUT.png に描きます。
      症例フォルダでは、細胞 1 の核型図(異常染色体にはラベル)と、その横に、
      もとになった染色体のイディオグラムと切断点を描きます。
  korven-problems case KARYOTYPE --out CASES_DIR --name NAME [--level 400|550|850]
                       [--seed N] [--cells N] [--note TEXT]... [--note-ja TEXT]...
      核型(ISCN、例: 46,XX,t(11;22)(q23;q11.2))の細胞を描き、症例フォルダ
      CASES_DIR/NAME を書き込みます: case.txt と、分裂像として並べた各細胞の
      染色体のビットマップです。45,X[3]/46,XX[7] のようなモザイクでは各系列の
      細胞を数のとおりに、それ以外の核型では --cells 個(既定 1)の細胞を作ります。
      レベルの既定は 550、シードは 1。--note と --note-ja は解答とともに表示する
      注記(英語と日本語)です。そのレベルでは見えないほど小さな変化には、見える
      レベルを示して警告します。フォルダは丸ごと書き込むか、まったく書き込まない
      かのどちらかです。既存のフォルダは拒否します。
  korven-problems make-cases --out CASES_DIR [--seed N]
      同梱の症例(case-01、case-02、...)を CASES_DIR の下に書き込みます。同じ名前の
      以前のフォルダは置き換えます。そのレベルでは変化が見えない症例は拒否します。
  korven-problems karyotype TEXT
      ISCN で書いた核型(例: 47,XY,+21)を検査し、その正規形を表示します。
      有効な核型でないときは理由を表示し、終了コード 1 を返します。
  korven-problems karyotype ANSWER --against TRUTH [--level 400|550|850]
      解答を正解の核型と要素ごとに、バンドレベル(既定は 550)で比べます。要素ごとに
      1 行: right、near、wrong、missing、extra のいずれか、続いて要素と、&apos; -- &apos; の後に
      理由。最後の行は &apos;verdict: right&apos;、&apos;verdict: near&apos; または &apos;verdict: wrong&apos; です。
  korven-problems --help
      この説明を表示します。
  korven-problems --version
      バージョンを表示します。

終了コード: 0 成功、1 失敗または不備あり、2 使い方の誤り。
</translation>
    </message>
    <message>
        <source>%1: unknown argument &apos;%2&apos;</source>
        <translation>%1: 不明な引数 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: %2 needs a value</source>
        <translation>%1: %2 には値が必要です</translation>
    </message>
    <message>
        <source>%1: invalid value &apos;%2&apos; for %3</source>
        <translation>%1: %3 の値 &apos;%2&apos; は無効です</translation>
    </message>
    <message>
        <source>%1: --out CASES_DIR is required</source>
        <translation>%1: --out CASES_DIR が必要です</translation>
    </message>
    <message>
        <source>made %1 of %2 cases (%3)</source>
        <translation>%2 症例のうち %1 を作成しました(%3)</translation>
    </message>
    <message>
        <source>wrote %1 cases to %2 in %3 s</source>
        <translation>%1 症例を %2 に %3 秒で書き込みました</translation>
    </message>
    <message>
        <source>case: the KARYOTYPE and --name NAME are required</source>
        <translation>case: KARYOTYPE と --name NAME が必要です</translation>
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
    <message>
        <source>wrote %1 in %2 s</source>
        <translation>%1 を書き込みました(%2 秒)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注: %1</translation>
    </message>
    <message>
        <source>korven-problems: out of memory</source>
        <translation>korven-problems: メモリーが足りません</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
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
    <message>
        <source>Cases done</source>
        <translation>実施した症例</translation>
    </message>
    <message>
        <source>Karyotypes right</source>
        <translation>核型の正解</translation>
    </message>
    <message>
        <source>Counts right</source>
        <translation>数の正解</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>直近 7 日間</translation>
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
    <message>
        <source>Trials</source>
        <translation>試行</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>症例</translation>
    </message>
</context>
<context>
    <name>korven::ui::HelpWindow</name>
    <message>
        <source>KORVEN Help</source>
        <translation>KORVEN ヘルプ</translation>
    </message>
</context>
<context>
    <name>korven::ui::TraineeCasesView</name>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>正解</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>惜しい</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>不正解</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>症例</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>数</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>染色体</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>記載</translation>
    </message>
    <message>
        <source>True</source>
        <translation>正しい核型</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Written wrong</source>
        <translation>誤った要素</translation>
    </message>
    <message>
        <source>Cases: choose a trainee in the table.</source>
        <translation>症例: 表で受講者を選んでください。</translation>
    </message>
    <message>
        <source>Cases of %1</source>
        <translation>%1 さんの症例</translation>
    </message>
    <message>
        <source>Cases of %1: %2</source>
        <translation>%1 さんの症例: %2</translation>
    </message>
</context>
</TS>
