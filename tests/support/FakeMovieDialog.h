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

    FakeMovieDialog(const Catalogue& catalogue, UserDialogs& dialogs)
        : editor_(catalogue, dialogs) {}

    std::deque<Session> sessions;
    std::vector<MovieForm> shownForms;  // what each use showed first
    std::vector<MovieEditRequest> requests;
    // Runs while the dialog is open, before the edits: what the event loop of a modal dialog
    // may run, such as the close query when the desktop session ends.
    std::function<void()> whileOpen;

    std::optional<MovieRecord> ShowMovieDialog(const MovieEditRequest& request) override {
        requests.push_back(request);
        if (whileOpen) {
            whileOpen();
        }
        MovieForm form = MovieEditor::FormShow(request, lastForm_);
        shownForms.push_back(form);
        Session session;
        if (!sessions.empty()) {
            session = sessions.front();
            sessions.pop_front();
        }
        for (const Edit& edit : session.edits) {
            edit(form);
            lastForm_ = form;
            if (auto record = editor_.checkedRecord(form, request)) {
                return record;
            }
        }
        return std::nullopt;
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
