#include "tools/case_catalogue.h"

#include "files/errors.h"
#include "tools/case_maker.h"
#include "tools/rng.h"

#include <QCoreApplication>

namespace korven {

namespace {

constexpr std::uint64_t CaseSeedStream = 8000;

QString caseName(int number)
{
    return QStringLiteral("case-%1").arg(number, 2, 10, QLatin1Char('0'));
}

std::vector<CatalogueCase> buildCatalogue()
{
    struct Entry {
        const char *karyotype;
        int level;
        int cells;     // for a karyotype without counts; 0 for one with counts
        int firstLine; // the line of cell 1
        const char *note;
        const char *noteJa;
    };
    // Levels: whole-chromosome changes at 400, most structural ones at 550;
    // neoplasia at 400 or 550 with its cells counted, normal cells among them where a marrow has
    // them. The numbering stays: trainees' records name the folders.
    const std::vector<Entry> entries = {
        {"47,XY,+21", 400, 1, 0,
         "Trisomy 21 (Down syndrome), male: three chromosomes 21, the smallest autosomes, each with a pale short arm "
         "and one dark band, 21q21.",
         "21トリソミー（ダウン症候群）、男性：最小の常染色体である21番が3本あり、どれも淡い短腕と長腕の濃いバンド21q21を持つ。"},
        {"47,XX,+21", 550, 1, 0,
         "Trisomy 21 (Down syndrome), female: count 47 and find the third 21; do not mistake it for a 22, whose long "
         "arm is paler with a dark band near the middle.",
         "21トリソミー（ダウン症候群）、女性：47本を数えて3本目の21番を見つける。長腕が淡く中ほどに濃いバンドを持つ22番と取り違えないこと。"},
        {"47,XX,+18", 400, 1, 0,
         "Trisomy 18 (Edwards syndrome), female: three chromosomes 18, small submetacentrics with a short p arm and "
         "two dark blocks on the long arm (q12 and q22).",
         "18トリソミー（エドワーズ症候群）、女性：18番が3本。短い短腕の小型次中部着糸型染色体で、長腕に2つの濃いブロック（q12とq22）がある。"},
        {"47,XY,+18", 550, 1, 0, "Trisomy 18 (Edwards syndrome), male.", "18トリソミー（エドワーズ症候群）、男性。"},
        {"47,XY,+13", 400, 1, 0,
         "Trisomy 13 (Patau syndrome), male: three chromosomes 13, the acrocentric whose long arm is dark towards its "
         "end (q21 and q31), unlike 14 and 15.",
         "13トリソミー（パトウ症候群）、男性：13番が3本。長腕の遠位側（q21とq31）が濃い端部着糸型染色体で、14番・15番と区別できる。"},
        {"47,XX,+13", 550, 1, 0, "Trisomy 13 (Patau syndrome), female.", "13トリソミー（パトウ症候群）、女性。"},
        {"45,X", 400, 5, 0,
         "Monosomy X (Turner syndrome): 45 chromosomes, a single X and no Y, in each of the five cells. A loss is "
         "reported only when more than one cell shows it, since a single cell may lose a chromosome while spreading; "
         "for Turner syndrome laboratories count 30 cells to exclude a low-level mosaic.",
         "X モノソミー（ターナー症候群）：5細胞のどれも45本で、X が1本、Y はない。1細胞だけの欠失は展開時の脱落のことがあるため、"
         "複数の細胞で確かめてから報告する。ターナー症候群では低頻度モザイクを除くため30細胞を数えるのが通例。"},
        {"47,XXY", 400, 1, 0, "Klinefelter syndrome: two X chromosomes and a Y, 47 in all.",
         "クラインフェルター症候群：X が2本と Y が1本、計47本。"},
        {"47,XXX", 400, 1, 0, "Triple X: three X chromosomes, 47 in all; compare their size and banding with 7.",
         "トリプル X：X が3本、計47本。大きさとバンドを7番と比べて見分ける。"},
        {"47,XYY", 550, 1, 0,
         "47,XYY: two Y chromosomes. The Y's long arm varies in length from man to man; its size says nothing about "
         "this diagnosis.",
         "47,XYY：Y が2本。Y 長腕の長さは人により異なり、その大きさはこの診断と関係しない。"},
        {"45,X[3]/46,XX[7]", 400, 0, 1,
         "Mosaic Turner syndrome: of ten cells, three have a single X (45,X) and seven two (46,XX). The cell to "
         "karyotype may be of either line; only counting every cell finds the mosaic.",
         "モザイク型ターナー症候群：10細胞のうち3細胞が X 1本（45,X）、7細胞が X 2本（46,XX）。核型を組む細胞はどちらの系列のこともあり、"
         "すべての細胞を数えて初めてモザイクが分かる。"},
        {"45,XX,der(13;14)(q10;q10)", 400, 1, 0,
         "Balanced Robertsonian translocation carrier (13;14), female: 45 chromosomes, the long arms of a 13 and a 14 "
         "joined at the centromere; the short arms lost hold only ribosomal genes, which the other acrocentrics also "
         "carry. The carrier is healthy; her pregnancies risk translocation trisomy 13 (Patau syndrome), miscarriage, "
         "and uniparental disomy 14 when a trisomy or monosomy 14 is corrected.",
         "均衡型ロバートソン転座（13;14）保因者、女性：45本。13番と14番の長腕が動原体で結合している。失われた短腕にはほかの端部着糸型染色体にもある"
         "リボソーム遺伝子しかない。保因者は健康だが、妊娠では転座型13トリソミー（パトウ症候群）、流産、14番トリソミーまたはモノソミーの"
         "救済による14番片親性ダイソミーのリスクがある。"},
        {"46,XY,der(14;21)(q10;q10),+21", 550, 1, 0,
         "Translocation Down syndrome (about 4 % of Down syndrome): 46 chromosomes, one of them a 14;21 Robertsonian "
         "holding a third 21 long arm. Test the parents: a carrier parent has 45 chromosomes and a raised risk of "
         "recurrence, higher when the mother carries it.",
         "転座型ダウン症候群（ダウン症候群の約4 %）：46本だが、うち1本が3本目の21番長腕を含む14;21ロバートソン転座染色体。両親を検査する。"
         "保因者の親は45本で再発リスクが高く、母親が保因者のときより高い。"},
        {"46,XX,t(11;22)(q23;q11.2)", 550, 1, 0,
         "Balanced reciprocal translocation t(11;22)(q23;q11.2), the commonest recurrent constitutional one. The "
         "der(11) has the end of 22q in place of 11q23-qter and is about as long as a normal 11; the der(22) "
         "(22pter-q11.2 joined to 11q23-qter) is about four fifths of a normal 22. Carriers are healthy; their "
         "children risk Emanuel syndrome (an extra der(22)).",
         "均衡型相互転座 t(11;22)(q23;q11.2)、先天性の反復転座で最も多い。der(11) は11q23-qter の代わりに22q の末端を持ち、長さは正常の11番とほぼ同じ。"
         "der(22)（22pter-q11.2 に11q23-qter が結合）は正常の22番の約5分の4。保因者は健康だが、子にエマヌエル症候群（der(22) の過剰）のリスクがある。"},
        {"47,XY,+der(22)t(11;22)(q23;q11.2)", 550, 1, 0,
         "Emanuel syndrome: a t(11;22) carrier's child with an extra der(22), a small chromosome about four fifths of "
         "a 22 whose long arm ends in 11q23-qter. 47 chromosomes; both 11s and both 22s are normal.",
         "エマヌエル症候群：t(11;22) 保因者の子で、der(22) が1本多い。der(22) は22番の約5分の4の小さな染色体で、長腕の先が11q23-qter。"
         "47本で、11番2本と22番2本は正常。"},
        {"46,XY,inv(9)(p12q13)", 400, 1, 0,
         "Pericentric inversion of 9 around its heterochromatin: a normal variant found in about 1 to 3 % of people. "
         "The pale 9qh block (9q12) now lies in the short arm. It is written in the karyotype as a variant and has no "
         "clinical effect.",
         "9番のヘテロクロマチンを含む腕間逆位：約1～3 %の人に見られる正常変異。淡い9qh ブロック（9q12）が短腕側にある。"
         "変異として核型に記載するが、臨床的な影響はない。"},
        {"46,XX,del(5)(p14)", 550, 1, 0,
         "Terminal deletion of 5p from p14 (cri du chat syndrome): one 5 whose short arm is about half as long; the "
         "bands beyond p14 (p15.1 to p15.3, where the critical region lies) are gone.",
         "5p の p14 からの末端欠失（猫なき症候群）：1本の5番の短腕がほぼ半分の長さ。p14 より遠位のバンド（p15.1～p15.3、責任領域を含む）がない。"},
        {"46,XX,del(5)(q13q33)[4]/46,XX[2]", 400, 0, 0,
         "Myelodysplastic neoplasm with isolated del(5q), the 5q- syndrome, most often in older women: in 4 of 6 "
         "cells one 5 has lost the segment between q13 and q33 and keeps its end (q34, q35); 2 cells are normal, as "
         "usual in a marrow. Lenalidomide works well in it.",
         "単独 del(5q) を伴う骨髄異形成腫瘍（5q- 症候群、高齢女性に多い）：6細胞中4細胞で1本の5番が q13 と q33 の間を失い、末端（q34, q35）は残る。"
         "骨髄ではよくあるように2細胞は正常。レナリドミドがよく効く。"},
        {"46,X,i(X)(q10)", 400, 1, 0,
         "Isochromosome Xq (a Turner syndrome variant): one normal X and one metacentric made of two X long arms, "
         "mirror images about the centromere; Xp is lost.",
         "X 長腕同腕染色体（ターナー症候群の一型）：正常な X 1本と、X の長腕2本が動原体を挟んで鏡像に並んだ中部着糸型染色体1本。Xp は失われている。"},
        {"46,XY,t(9;22)(q34;q11.2)[5]", 550, 0, 0,
         "Chronic myeloid leukaemia: the Philadelphia translocation in all 5 cells. The der(22), the Philadelphia "
         "chromosome, is a small 22 whose long arm ends just after q11.2; the der(9) gains the pale end of 22q. "
         "BCR::ABL1 is confirmed by FISH or RT-PCR.",
         "慢性骨髄性白血病：5細胞すべてにフィラデルフィア転座。der(22)（フィラデルフィア染色体）は長腕が q11.2 の直後で終わる小さな22番で、"
         "der(9) は22q の淡い末端を得る。BCR::ABL1 は FISH または RT-PCR で確かめる。"},
        {"46,XX,t(8;21)(q22;q22)[4]/46,XX[2]", 550, 0, 0,
         "Acute myeloid leukaemia with RUNX1::RUNX1T1: t(8;21)(q22;q22) in 4 of 6 cells, 2 normal cells. The der(8) "
         "has a shorter long arm, the der(21) a longer one. Of favourable prognosis.",
         "RUNX1::RUNX1T1 を伴う急性骨髄性白血病：6細胞中4細胞に t(8;21)(q22;q22)、2細胞は正常。der(8) は長腕が短く、der(21) は長腕が長い。予後は良好。"},
        {"46,XY,t(15;17)(q24;q21)[5]", 550, 0, 0,
         "Acute promyelocytic leukaemia (PML::RARA): 15 and 17 exchange the ends of their long arms, in all 5 cells. "
         "An emergency for its bleeding risk; it is treated with all-trans retinoic acid and arsenic trioxide.",
         "急性前骨髄球性白血病（PML::RARA）：5細胞すべてで15番と17番が長腕の末端を交換している。出血のリスクから緊急を要し、"
         "全トランス型レチノイン酸と三酸化ヒ素で治療する。"},
        {"46,XX,inv(16)(p13.1q22)[4]/46,XX[2]", 550, 0, 0,
         "Acute myeloid leukaemia with CBFB::MYH11: a pericentric inversion of 16 between p13.1 and q22, in 4 of 6 "
         "cells. Both ends stay in place (16p13.3 still tops the short arm, 16q24 still ends the long arm); between "
         "the breaks the chromosome is turned round, so the short arm now holds dark 16q material and the long arm "
         "begins with pale 16p bands. Subtle in marrow preparations: compare the two 16s band by band. Of favourable "
         "prognosis.",
         "CBFB::MYH11 を伴う急性骨髄性白血病：6細胞中4細胞で16番の p13.1 と q22 の間に腕間逆位。両端はそのまま（短腕の先は16p13.3、"
         "長腕の先は16q24）で、切断点の間が反転しているため、短腕に16q の濃い部分が入り、長腕は16p の淡いバンドで始まる。"
         "骨髄標本ではわかりにくいので、2本の16番をバンドごとに比べる。予後は良好。"},
        {"46,XY,inv(3)(q21q26.2)[5]", 550, 0, 0,
         "Acute myeloid leukaemia with MECOM rearrangement: a paracentric inversion in 3q, the segment between q21 and "
         "q26.2 turned round, in all 5 cells. Of poor prognosis.",
         "MECOM 再構成を伴う急性骨髄性白血病：5細胞すべてで3q の腕内逆位、q21 と q26.2 の間が反転している。予後不良。"},
        {"45,XY,-7[4]/46,XY[2]", 400, 0, 0,
         "Monosomy 7 in a myeloid neoplasm (myelodysplasia or acute myeloid leukaemia): 4 of 6 cells have a single 7, "
         "2 are normal. A loss counts as a clone when at least three cells show it, as here. Of poor prognosis.",
         "骨髄系腫瘍（骨髄異形成または急性骨髄性白血病）の7番モノソミー：6細胞中4細胞で7番が1本、2細胞は正常。"
         "欠失は3細胞以上で見られるときにクローンとみなす（この例はそれにあたる）。予後不良。"},
        {"47,XX,+mar", 400, 1, 0,
         "A small supernumerary marker chromosome of unknown origin by banding: here a small one with its centromere in "
         "the middle and both ends pale, each end a stalk and satellite, as an inv dup(15) looks, the commonest kind. "
         "FISH tells where it comes from; its effect depends on what it holds.",
         "分染法では由来の分からない過剰小型マーカー染色体：この例は中央に動原体があり、両端がともに淡い（それぞれストークとサテライト）小さな染色体で、"
         "最も多い inv dup(15) の姿。由来は FISH で調べ、影響はその内容による。"},
        {"46,XX", 550, 1, 0, "Normal female karyotype.", "正常女性核型。"},
        {"46,XY", 400, 1, 0, "Normal male karyotype.", "正常男性核型。"},
        {"45,X[3]/46,XY[2]", 400, 0, 1,
         "45,X/46,XY mosaicism (from a normal male to mixed gonadal dysgenesis): 3 of 5 cells have a single X and no "
         "Y, 2 a normal male complement. The cell to karyotype is of the 46,XY line. The Y line matters: gonads that "
         "hold it are at risk of gonadoblastoma.",
         "45,X/46,XY モザイク（正常男性から混合性性腺異形成まで）：5細胞中3細胞は X 1本で Y がなく、2細胞は正常男性核型。"
         "核型を組む細胞は46,XY 系列。Y を持つ系列が重要で、それを含む性腺には性腺芽腫のリスクがある。"},
        {"46,XY,del(4)(p15.2)", 550, 1, 0,
         "Wolf-Hirschhorn syndrome: terminal deletion of 4p from p15.2; the bands beyond it (p15.3 and p16, where the "
         "critical region 4p16.3 lies) are gone and one 4 has a visibly shorter short arm. Smaller deletions within "
         "4p16 are found only by FISH or a microarray.",
         "ウォルフ・ヒルシュホーン症候群：4p の p15.2 からの末端欠失。より遠位のバンド（責任領域4p16.3 を含む p15.3 と p16）がなく、"
         "1本の4番の短腕が目に見えて短い。4p16 内の小さな欠失は FISH かマイクロアレイでしか見つからない。"},
        {"46,XX,del(18)(p11.2)", 400, 1, 0,
         "18p deletion syndrome: one 18 has lost its short arm from p11.2, the dark p11.3 with it, and looks almost "
         "acrocentric.",
         "18p 欠失症候群：1本の18番が p11.2 から先の短腕（濃い p11.3 を含む）を失い、ほとんど端部着糸型のように見える。"},
        {"46,XY,del(18)(q21.2)", 550, 1, 0,
         "18q deletion syndrome: terminal deletion of 18q from q21.2; one 18 has lost the dark q22 band and q23, so its "
         "long arm ends after q21.",
         "18q 欠失症候群：18q の q21.2 からの末端欠失。1本の18番が濃い q22 バンドと q23 を失い、長腕が q21 の後で終わる。"},
        {"46,XX,del(20)(q11.2q13.1)[4]/46,XX[2]", 400, 0, 0,
         "Myeloid neoplasm with del(20q), in 4 of 6 cells: one 20 has lost the segment between q11.2 and q13.1, the "
         "dark q12 with it; 2 cells are normal. Common in myelodysplasia and myeloproliferative neoplasms; alone it "
         "carries a favourable prognosis.",
         "del(20q) を伴う骨髄系腫瘍、6細胞中4細胞：1本の20番が q11.2 と q13.1 の間（濃い q12 を含む）を失っている。2細胞は正常。"
         "骨髄異形成や骨髄増殖性腫瘍によく見られ、単独なら予後は良好。"},
        {"47,XY,+8[6]/46,XY[4]", 400, 0, 1,
         "Trisomy 8 in a myeloid neoplasm: 6 of 10 cells have three 8s, 4 are normal; the cell to karyotype is a "
         "normal one. Constitutional trisomy 8 mosaicism must be excluded (in blood T cells or skin) before it is "
         "called acquired.",
         "骨髄系腫瘍の8トリソミー：10細胞中6細胞で8番が3本、4細胞は正常。核型を組む細胞は正常細胞。"
         "後天性とする前に、先天性8トリソミーモザイクを（血液 T 細胞や皮膚で）除外する。"},
        {"46,XX,t(4;11)(q21;q23)[5]", 400, 0, 0,
         "B-lymphoblastic leukaemia with KMT2A::AFF1, typical of infants: t(4;11)(q21;q23) in all 5 cells. Of poor "
         "prognosis.",
         "KMT2A::AFF1 を伴う B リンパ芽球性白血病（乳児に典型的）：5細胞すべてに t(4;11)(q21;q23)。予後不良。"},
        {"55,XY,+X,+4,+6,+10,+14,+17,+18,+21,+21[4]/46,XY[2]", 400, 0, 0,
         "High-hyperdiploid B-lymphoblastic leukaemia (51 to 67 chromosomes), the commonest childhood leukaemia and of "
         "good prognosis: 55 chromosomes in 4 of 6 cells, with gains of X, 4, 6, 10, 14, 17, 18 and two of 21; 2 "
         "cells are normal.",
         "高二倍体 B リンパ芽球性白血病（51～67本）：小児白血病で最も多く予後良好。6細胞中4細胞が55本で、X、4、6、10、14、17、18番が1本ずつ、"
         "21番が2本増えている。2細胞は正常。"},
        {"46,XX,r(18)(p11.2q22)", 400, 1, 0,
         "Ring chromosome 18: one 18 has lost both ends, beyond p11.2 and beyond q22, and the broken ends have joined "
         "into a ring. The features combine those of the 18p and 18q deletions. A ring has no top and no bottom: put it "
         "beside its homologue in any turn. Rings can be lost or doubled when a cell divides, so count several cells.",
         "18番環状染色体：1本の18番が p11.2 より先と q22 より先の両端を失い、切断端どうしがつながって環になっている。"
         "症状は18p 欠失と18q 欠失を併せたもの。環に上下はないので、どの向きでも相同染色体の隣に置く。"
         "環状染色体は細胞分裂で失われたり倍になったりするので、数細胞を数える。"},
        {"46,X,idic(Y)(q11.2)", 400, 1, 0,
         "Isodicentric Y: in place of the Y lies a chromosome made of two copies of the Y from pter to q11.2, joined "
         "mirror-wise at q11.2, with two centromeres (often one is inactive). The distal long arm with the "
         "heterochromatin Yq12 and the AZF regions is lost. Dicentrics are unstable, so a 45,X line is often found "
         "beside it; the phenotype ranges from an infertile male to Turner-like features.",
         "同腕二動原体 Y：Y の代わりに、Y の pter から q11.2 までが2コピー、q11.2 で鏡像につながった染色体があり、"
         "動原体が2つある（片方はしばしば不活性）。ヘテロクロマチン Yq12 と AZF 領域を含む長腕遠位部は失われている。"
         "二動原体染色体は不安定なので45,X 系列を伴うことが多く、表現型は不妊男性からターナー様まで幅がある。"},
        {"46,XY,ins(5;2)(p14;q22q32)", 400, 1, 0,
         "Balanced direct insertion: the segment of 2 from q22 to q32 has been inserted into 5 at p14, in its original "
         "orientation (2q22 nearer the centromere of 5). The 2 is shorter and the 5 longer by that segment. The carrier "
         "is healthy, but a child who receives only one of the two changed chromosomes has a duplication or a deletion "
         "of 2q22q32; the risk of unbalanced offspring is high, up to 50 % in theory.",
         "均衡型直列挿入：2番の q22 から q32 までの分節が5番の p14 に、元の向きのまま（2q22 が5番の動原体に近い側）挿入されている。"
         "2番はその分だけ短く、5番は長い。保因者は健康だが、2本の変化した染色体の片方だけを受け継いだ子は2q22q32 の重複か欠失を持つ。"
         "不均衡な子のリスクは高く、理論上は最大50 %。"},
        {"69,XXY", 400, 1, 0,
         "Triploidy: three of every chromosome, 69 in all, here with XXY. Found in 1 to 2 % of recognised pregnancies "
         "and nearly always miscarried. With an extra paternal set it goes with a partial hydatidiform mole, with an "
         "extra maternal set with a small, poorly grown fetus and a small placenta.",
         "三倍体：すべての染色体が3本ずつ、計69本、ここでは XXY。確認された妊娠の1～2 % に見られ、ほぼすべて流産する。"
         "父由来の1組が余分なら部分胞状奇胎を、母由来の1組が余分なら発育の悪い小さな胎児と小さな胎盤を伴う。"},
        {"46,XY,9qh+", 400, 1, 0,
         "Normal variant: one 9 has a larger block of heterochromatin (9q12, 9qh) under its centromere than its "
         "homologue; in G-banding the block is pale, so the pale region below the centromere is longer. It has no "
         "effect on health. Written as a variant, 9qh+.",
         "正常変異：1本の9番の動原体直下のヘテロクロマチン（9q12、9qh）が相同染色体より大きい。G バンドではこの部分が淡く染まるので、"
         "動原体の下の淡い領域が長い。健康への影響はない。変異として 9qh+ と記載する。"},
        {"46,XX,15ps+", 550, 1, 0,
         "Normal variant: one 15 has larger satellites on its short arm (15ps+). The size of the satellites and stalks "
         "of the acrocentric chromosomes varies widely between people and has no effect on health. Written as a "
         "variant, 15ps+.",
         "正常変異：1本の15番の短腕のサテライトが大きい（15ps+）。端部着糸型染色体のサテライトやストークの大きさは人により大きく異なり、"
         "健康への影響はない。変異として 15ps+ と記載する。"},
        {"46,XY,1qh+", 400, 1, 0,
         "Normal variant: one 1 has a larger block of heterochromatin (1q12, 1qh) just below its centromere than its "
         "homologue; in G-banding the block stains dark. It has no effect on health. Written as a variant, 1qh+.",
         "正常変異：1本の1番の動原体直下のヘテロクロマチン（1q12、1qh）が相同染色体より大きい。G バンドではこの部分が濃く染まる。"
         "健康への影響はない。変異として 1qh+ と記載する。"},
        {"45,XY,dic(13;14)(p11.2;p11.2)", 400, 1, 0,
         "Robertsonian translocation written as a dicentric: 13 and 14 have joined at breaks in their short arms "
         "(p11.2), so both centromeres are kept, close together; most 13;14 Robertsonians are such dicentrics. The "
         "carrier is balanced with 45 chromosomes; the risks for a child are trisomy 13 and uniparental disomy 14.",
         "二動原体として記載したロバートソン転座：13番と14番が短腕（p11.2）の切断点でつながり、2つの動原体が近接して残っている。"
         "13;14 ロバートソン転座の多くはこのような二動原体である。保因者は45本で均衡型。子のリスクは13トリソミーと14番片親性ダイソミー。"},
        {"46,XY,add(7)(q22)[6]/46,XY[4]", 400, 0, 0,
         "Myeloid neoplasm with add(7)(q22) in 6 of 10 cells: the long arm of one 7 ends after q22 in material of "
         "unknown origin, whose bands match no part of 7q; 4 cells are normal. FISH (a whole-chromosome paint) or a "
         "microarray finds where the material comes from. Loss of 7q, as here, is typical of myelodysplasia.",
         "add(7)(q22) を伴う骨髄系腫瘍、10細胞中6細胞：1本の7番の長腕が q22 の先で由来不明の染色体物質に置き換わり、"
         "そのバンドは7q のどこにも一致しない。4細胞は正常。物質の由来は FISH（全染色体ペイント）かマイクロアレイで調べる。"
         "この例のような7q の喪失は骨髄異形成に典型的。"},
        {"46,XX,t(2;5;7)(p21;q23;q22)", 400, 1, 0,
         "Complex balanced translocation of three chromosomes: the end of 2p beyond p21 has moved to 5q23, the end of 5q "
         "beyond q23 to 7q22, and the end of 7q beyond q22 to 2p21. It is written as one t() with the chromosomes and "
         "their breakpoints in the same order. The carrier is usually healthy but at high risk of miscarriage and of "
         "unbalanced offspring.",
         "3本の染色体の複雑均衡型転座：2p の p21 より先が5q23 へ、5q の q23 より先が7q22 へ、7q の q22 より先が2p21 へ移っている。"
         "染色体と切断点を同じ順に並べて1つの t() で記載する。保因者は通常健康だが、流産と不均衡な子のリスクが高い。"},
    };
    std::vector<CatalogueCase> cases;
    for (const Entry &entry : entries)
        cases.push_back({caseName(int(cases.size()) + 1), QLatin1String(entry.karyotype), entry.level,
                         entry.cells > 0 ? entry.cells : 1, entry.firstLine, {QString::fromUtf8(entry.note)},
                         {QString::fromUtf8(entry.noteJa)}});
    return cases;
}

} // namespace

const std::vector<CatalogueCase> &caseCatalogue()
{
    static const std::vector<CatalogueCase> cases = buildCatalogue();
    return cases;
}

CaseRecipe catalogueRecipe(int index, std::uint64_t seed, const std::vector<Ideogram> &ideograms,
                           const std::function<KaryotypeLines(const QString &)> &readLines)
{
    const CatalogueCase &entry = caseCatalogue().at(size_t(index));
    CaseRecipe recipe;
    recipe.karyotype = entry.karyotype;
    recipe.level = entry.level;
    recipe.cells = entry.cells;
    recipe.firstLine = entry.firstLine;
    recipe.notes = entry.notes;
    recipe.notesJa = entry.notesJa;
    recipe.seed = Rng::from(seed, std::uint64_t(index), CaseSeedStream).next();
    try {
        recipe.lines = readLines(entry.karyotype);
        const std::vector<HiddenChange> hidden = hiddenChanges(recipe.lines, entry.level, ideograms);
        if (!hidden.empty())
            throw KorvenError(hiddenChangeWarning(hidden.front(), entry.level));
    } catch (const KorvenError &e) {
        throw KorvenError(QStringLiteral("%1 (%2): %3").arg(entry.name, entry.karyotype, e.message()));
    }
    return recipe;
}

int makeCaseCatalogue(const QString &outDir, std::uint64_t seed, const std::vector<Ideogram> &ideograms,
                      const std::function<KaryotypeLines(const QString &)> &readLines, int threads,
                      const std::function<void(int, int, const QString &)> &progress)
{
    const std::vector<CatalogueCase> &cases = caseCatalogue();
    for (int i = 0; i < int(cases.size()); ++i) {
        const CaseRecipe recipe = catalogueRecipe(i, seed, ideograms, readLines);
        try {
            makeCase(recipe, ideograms, outDir, cases[i].name, true, threads);
        } catch (const KorvenError &e) {
            throw KorvenError(QStringLiteral("%1 (%2): %3").arg(cases[i].name, cases[i].karyotype, e.message()));
        }
        if (progress)
            progress(i + 1, int(cases.size()), cases[i].name);
    }
    return int(cases.size());
}

} // namespace korven
