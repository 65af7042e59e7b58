#include "ui/howtoplay.h"
#include "ui/fonts.h"
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

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
        {HowToPlay::tr("盤の操作"),
         {HowToPlay::tr("クリックでそのマスに置きます。矢印キー、Home、End、PageUp、PageDownで枠を動かし、EnterかSpace"
                        "で置きます。"),
          HowToPlay::tr("L：打てる所を表示（盤の右クリックでも）。H：ヒント。F1：この画面。")},
         {}},
        {HowToPlay::tr("ひとりで・ネットワークで"),
         {HowToPlay::tr("ひとりで：名前を入れて「待機開始」を押し、参加者の＋からコンピューターを3人加えて「ゲム開始」"
                        "を押します。"),
          HowToPlay::tr(
              "ネットワークで：1人が「待機開始」でサーバーになり、ほかの3人は「クライアントとして接続」を選んで"
              "サーバーのIPアドレスとポート番号を入れ、「接続」を押します。4人そろうとサーバーが「ゲム開始」を押せます"
              "。")},
         board(p, {QStringLiteral("1.2"), QStringLiteral(".5."), QStringLiteral("3.4")})},
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
