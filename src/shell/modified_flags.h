#pragma once
// The four modified flags, held for the start screen and mirrored by the editors. The closing
// questions read them and call each editor's save procedure on Yes.
#include <QObject>
#include <array>
#include <functional>

#include "files/data_kind.h"

namespace mivo {

class ModifiedFlags : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    bool isSet(DataKind kind) const { return flags_[index(kind)]; }
    void set(DataKind kind, bool on) {
        if (flags_[index(kind)] == on) return;
        flags_[index(kind)] = on;
        emit changed(kind, on);
    }
    // The save dialog run on Yes to the closing question; true when the data were written.
    // Until an editor registers one the question is still asked and Yes does nothing.
    void setSaver(DataKind kind, std::function<bool()> saver) {
        savers_[index(kind)] = std::move(saver);
    }
    bool runSaver(DataKind kind) const {
        return savers_[index(kind)] ? savers_[index(kind)]() : true;
    }

  signals:
    void changed(mivo::DataKind kind, bool on);

  private:
    static std::size_t index(DataKind k) { return static_cast<std::size_t>(k); }
    std::array<bool, 4> flags_{};
    std::array<std::function<bool()>, 4> savers_{};
};

}  // namespace mivo
