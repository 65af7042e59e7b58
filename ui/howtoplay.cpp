#include "ui/howtoplay.h"
#include "ui/fonts.h"
#include "ui/helpkeys.h"
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <iterator>

namespace ui {

namespace {

constexpr QSize WindowSize(560, 600);

struct Section {
    QString title;
    QStringList paragraphs;
    QImage picture;
};

QString html(const Section& section, int index)
{
    QString text = QStringLiteral("<h3>%1</h3>").arg(section.title.toHtmlEscaped());
    if (!section.picture.isNull())
        text += QStringLiteral("<p><img src=\"picture:%1\"></p>").arg(index);
    for (const QString& paragraph : section.paragraphs)
        text += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    return text;
}

// One paragraph a window, each key as the window binds it.
QStringList keyParagraphs()
{
    const QString windows[] = {HowToPlay::tr("ロビー"), HowToPlay::tr("ゲーム画面"), HowToPlay::tr("記録の再生")};
    QStringList lines[std::size(windows)];
    for (const HelpKey& key : helpKeys())
        lines[key.window].append(key.line());
    QStringList paragraphs;
    for (std::size_t i = 0; i < std::size(windows); ++i)
        paragraphs.append(windows[i] + HowToPlay::tr("：") + lines[i].join(HowToPlay::tr("、")));
    return paragraphs;
}

std::vector<Section> sections(const Pictures& p)
{
    using namespace howto;
    return {
        {HowToPlay::tr("盤と初めの配置"),
         {HowToPlay::tr(
             "4人が1つの盤で遊びます。座席は1 赤（サーバー）、2 青、3 緑、4 黒で、この順に番が回ります。"
             "盤は一辺6から26マスです。各座席は中央の隣に宝石を1つと、その近くに顔をいくつか持って始めます。")},
         startingBoard(p)},
        {HowToPlay::tr("置き方と取り方"),
         {HowToPlay::tr("空いたマスに自分の顔を置きます。8方向のどれかで、ほかの座席の顔の並びを自分の顔か自分の宝石で"
                        "はさめるマスにだけ置けます。"
                        "はさんだ並びはすべて自分の色になります。宝石は色が変わらず、並びは宝石を越えません。"
                        "置けないマスを選ぶとブザーが鳴るだけです。")},
         change(board(p, {QStringLiteral("122."), QStringLiteral("A33.")}),
                board(p, {QStringLiteral("1111"), QStringLiteral("A111")}))},
        {HowToPlay::tr("パスと終わり"),
         {HowToPlay::tr("置けるマスがないときや置きたくないときは「パス」を押します。"
                        "盤が埋まるか、パスが4回続くとゲームは終わり、盤の横に順位が出ます。同点は同じ順位です。")},
         board(p, {QStringLiteral("1234")})},
        {HowToPlay::tr("得点制と個数制"),
         {HowToPlay::tr("得点制：1回の置きで取ったk個目の顔がk点です。3個取れば1+2+3で6点です。"),
          HowToPlay::tr("個数制：得点は盤の上の自分の顔の数に従います。")},
         change(board(p, {QStringLiteral("1222.")}), board(p, {QStringLiteral("11111")}))},
        {HowToPlay::tr("宝石回転"),
         {HowToPlay::tr("サーバーが「宝石回転」を選ぶと、自分の宝石ではさんで取った置きのあと、"
                        "4つの宝石が中央のまわりを時計回りに1マス動きます。")},
         change(startingBoard(p), startingBoard(p, true))},
        {HowToPlay::tr("時間制限と自動打ち"),
         {HowToPlay::tr("サーバーが「行動制限時間」を決めると、時間内に置かない番はパスになります。"),
          HowToPlay::tr("「自動適当打ち(次から)」を選ぶと、次の番から置けるマスのどれかに自動で打ちます。"
                        "ゲームの途中でゲーム画面を閉じると、そのゲームの終わりまで自動で打ちます。"
                        "ロビーの参加者で自分の名前をダブルクリックすると（または右クリックの「ゲーム画面を表示」で）戻"
                        "れます。")},
         board(p, {QStringLiteral("ABCD")})},
        {HowToPlay::tr("盤の操作と座標"),
         {HowToPlay::tr("クリックでそのマスに置きます。矢印キー、Home、End、PageUp、PageDownで枠を動かし、EnterかSpace"
                        "で置きます。"),
          HowToPlay::tr("盤の上の文字が列、左の数字が行で、C10は左から3列目、上から10行目のマスです。状態表示、ヒント、"
                        "記録の手の一覧と分析も、マスをこの名前で示します。座標は窓に余地があるときに表示されます。")},
         {}},
        {HowToPlay::tr("一人で遊ぶ"),
         {HowToPlay::tr(
             "ロビーの「一人で遊ぶ」を押すと、3人のコンピューターを相手にこのパソコンだけですぐ始まり、"
             "最初の番はあなたです。ボタンの小さな矢印の「相手と席を選ぶ...」で自分の席とコンピューターの強さ"
             "を選べます。盤の大きさや得点制はロビーのゲーム設定に従います。")},
         {}},
        {HowToPlay::tr("待った・やり直し・新しいゲーム"),
         {HowToPlay::tr(
              "一人で遊ぶときは、「待った」で自分の前の番まで戻し（コンピューターの手も一緒に）、「やり直し」で"
              "戻した手をもう一度打ちます。「新しいゲーム」で次のゲームを始めます。ゲーム画面の下と盤の右クリックに"
              "あります。"),
          HowToPlay::tr("ネットワークのゲームでは待ったはできず、新しいゲームはサーバーの「ゲム開始」です。")},
         {}},
        {HowToPlay::tr("記録・再生・分析"),
         {HowToPlay::tr(
              "対戦はすべて記録されます。ロビーの「記録」で対戦と成績の一覧を開き、対戦を選んで「再生」を押すと"
              "その対戦を一手ずつ見られます。"),
          HowToPlay::tr(
              "再生の画面で「分析」を押すと、どの局面も探索して各席の勝つ見込みをグラフに描き、悪手に印を付け、"
              "その局面で探索が選んだマスを示します。終わったばかりの対戦は、ゲーム画面の「この対戦を分析」から"
              "開けます。")},
         {}},
        {HowToPlay::tr("ネットワークで・コンピューターと"),
         {HowToPlay::tr(
              "1人が「待機開始」でサーバーになり、ほかの人は「クライアントとして接続」を選んでサーバーのIPアドレスと"
              "ポート番号を入れ、「接続」を押します。"),
          HowToPlay::tr("足りない席はサーバーが埋められます。参加者の見出しの＋（または参加者一覧の右クリック）で"
                        "「コンピューターを加える」と強さを選びます。4人そろうとサーバーが「ゲム開始」を押せます。"),
          HowToPlay::tr(
              "スマートフォンやタブレットは、アプリを入れずにブラウザーから参加できます。サーバーのロビーが示す"
              "コードでブラウザーから入ります。")},
         board(p, {QStringLiteral("1.2"), QStringLiteral(".5."), QStringLiteral("3.4")})},
        {HowToPlay::tr("見た目と音"),
         {HowToPlay::tr("盤の右クリックの「表示と音の設定...」で、盤の色（ハイコントラストを含む3種類）、座標の表示、"
                        "音量を選べます。Mで音を消し、もう一度Mで戻します。どれも次に起動したときにも残ります。")},
         {}},
        {HowToPlay::tr("キー"), keyParagraphs(), {}},
    };
}

} // namespace

HowToPlay::HowToPlay(const Pictures& pictures, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("遊び方"));
    setFont(uiFont(13));
    resize(WindowSize);
    Text = new QTextBrowser(this);
    Text->setAccessibleName(tr("遊び方"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text);
    const std::vector<Section> all = sections(pictures);
    QString page;
    for (int i = 0; i < int(all.size()); ++i) {
        if (!all[i].picture.isNull())
            Text->document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture:%1").arg(i)),
                                          all[i].picture);
        page += html(all[i], i);
    }
    Text->setHtml(page);
}

QToolButton* helpButton()
{
    auto* button = new QToolButton;
    button->setText(QStringLiteral("?"));
    button->setAccessibleName(HowToPlay::tr("遊び方"));
    button->setToolTip(HowToPlay::tr("遊び方 (F1)"));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace ui
