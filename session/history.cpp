#include "session/history.h"

void History::Restart(const Motion& afterSetup)
{
    motions_.clear();
    motions_.push_back(afterSetup);
    oldest_ = 0;
}

void History::DropAfter(long long present)
{
    while (Newest() > present && !motions_.empty()) motions_.pop_back();
}

void History::Append(long long step, const Motion& motion)
{
    motions_.push_back(motion);
    while (oldest_ < step - kMostStepsBack) {
        motions_.pop_front();
        ++oldest_;
    }
}
