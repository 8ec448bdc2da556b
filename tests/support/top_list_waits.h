#pragma once

#include <QString>

#include "core/scores/top_list.h"

namespace trivanto {

// Run one exchange of the top-list client and wait (on the event loop, with a generous bound)
// for its continuation, which must not run inside the call itself. A continuation that never
// comes is a test failure.
TTopListResult downloadAndWait(TTopList& list);
TopListSendReply addUserAndWait(TTopList& list, const QString& name, const QString& email,
                                qint32 score, const QString& language);

}  // namespace trivanto
