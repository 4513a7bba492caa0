#include "ui/status_line.h"

#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

#include "session/quantities.h"
#include "session/session.h"
#include "session/speed.h"
#include "session/units.h"
#include "ui/language.h"
#include "ui/unit_text.h"

StatusLine::StatusLine(QStatusBar& bar)
    : runState_(new QLabel(&bar)), time_(new QLabel(&bar)), speed_(new QLabel(&bar)), notice_(new QLabel(&bar)),
      dataFile_(new QLabel(&bar))
{
    for (QLabel* label : {runState_, time_, speed_}) bar.addWidget(label);
    // Cut where the bar ends, the whole text over it.
    notice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    notice_->setMinimumWidth(1);
    bar.addWidget(notice_, 1);
    dataFile_->setMaximumWidth(320);
    bar.addPermanentWidget(dataFile_);
}

void StatusLine::Show(const Session& session, bool stepRefused)
{
    const long long steps = session.Simulation().steps;
    runState_->setText(session.Running() ? tr("Running")
                       : stepRefused     ? tr("Halted")
                       : steps == 0      ? tr("At rest")
                                         : tr("Paused"));
    // When the present is in the past of the kept run, how far.
    const long long newest = session.KeptHistory().Newest();
    time_->setText(
        tr("t = %1 %2 (%3)")
            .arg(LocalNumber(SimulatedTime(steps), 'f', 1), UnitText(unit::kTime),
                 steps < newest ? tr("step %1 of %2 kept").arg(steps).arg(newest) : tr("%1 steps").arg(steps)));
    speed_->setText(tr("speed %1×").arg(LocalDecimal(QString::fromStdString(SpeedName(session.Speed())))));
    const QString path = QString::fromStdString(session.DataFile().string());
    dataFile_->setText(QFileInfo(path).fileName());
    dataFile_->setToolTip(path);
}

void StatusLine::Notice(const QString& text)
{
    notice_->setText(text);
    notice_->setToolTip(text);
}

QString StatusLine::NoticeText() const { return notice_->text(); }
