#pragma once
// What the core asks of the surface it runs under: the message outlets of
// MessageSink plus the dialogs. The desktop program answers with widgets,
// the command line and the batch mode without them, tests with a fake.

#include <string>

#include "text/reporter.h"

namespace lg {

class Host : public MessageSink {
  public:
    // A modal message the user must acknowledge; the batch surfaces print it.
    virtual void ShowMessageBox(const std::string& text) = 0;
};

}  // namespace lg
