#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "editing/MovieEditor.h"

namespace reelcase::test {

// The add/modify dialog without a window: each use takes the next session from the queue,
// starts from what the real dialog would show, applies the session's edits one after another
// pressing OK after each (so a refused entry can be corrected), then cancels if none passed.
class FakeMovieDialog : public MovieDialog {
  public:
    using Edit = std::function<void(MovieForm&)>;
    struct Session {
        std::vector<Edit> edits;
    };

    FakeMovieDialog(Catalogue& catalogue, UserDialogs& dialogs) : editor_(catalogue, dialogs) {}

    std::deque<Session> sessions;
    std::vector<MovieForm> shownForms;  // what each use showed first

    bool ShowMovieDialog(int slotsInUse) override {
        MovieForm form = editor_.FormShow(lastForm_);
        shownForms.push_back(form);
        Session session;
        if (!sessions.empty()) {
            session = sessions.front();
            sessions.pop_front();
        }
        for (const Edit& edit : session.edits) {
            edit(form);
            lastForm_ = form;
            if (editor_.btnAddOkClick(form, slotsInUse)) {
                return true;
            }
        }
        return false;
    }

  private:
    MovieEditor editor_;
    MovieForm lastForm_;
};

// Fills an empty add form as a user would.
inline FakeMovieDialog::Edit typed(std::string name, std::string length = "90",
                                   std::string size = "700") {
    return [=](MovieForm& f) {
        f.name = name;
        f.lengthText = length;
        f.sizeText = size;
    };
}

}  // namespace reelcase::test
