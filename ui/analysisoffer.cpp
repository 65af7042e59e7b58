#include "ui/analysisoffer.h"
#include "record/recordstore.h"
#include "ui/replaywindow.h"
#include <QStatusBar>

namespace ui {

AnalysisOffer::AnalysisOffer(QStatusBar& bar, const BoardImages& images, const BoardImages& larger,
                             std::function<QString()> lastRecord)
    : bar_(bar), images_(images), larger_(larger), lastRecord_(std::move(lastRecord))
{
    setText(tr("この対戦を分析"));
    setAccessibleName(text());
    setToolTip(tr("今の対戦の記録を再生し、各局面を分析します"));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
    bar_.insertPermanentWidget(0, this);
    connect(this, &QToolButton::clicked, this, &AnalysisOffer::openAnalysis);
}

void AnalysisOffer::follow(bool ended)
{
    file_ = ended ? lastRecord_() : QString();
    setVisible(!file_.isEmpty());
}

ReplayWindow* AnalysisOffer::openAnalysis()
{
    const record::Reading reading = record::openRecord(file_);
    if (!reading.game) {
        bar_.showMessage(QStringLiteral("%1: %2").arg(file_, reading.problem));
        return nullptr;
    }
    auto* replay = new ReplayWindow(reading, images_, larger_, window());
    replay->show();
    replay->startAnalysis();
    return replay;
}

} // namespace ui
