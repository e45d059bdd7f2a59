#include "error_report.h"

#include "fitness.h"

#include <QMessageBox>

namespace quorvel::platform {

ErrorReport::ErrorReport(QWidget *window) : window_(window) {
    sink_ = [this](const QString &message) {
        QMessageBox::warning(window_, window_->windowTitle(), message);
    };
}

void ErrorReport::report(const QString &message) const {
    if (sink_)
        sink_(message);
}

QString ErrorReport::UserMessage(const std::exception &error) {
    if (dynamic_cast<const ZeroMeanFitness *>(&error)) {
        return QStringLiteral(
            "The mean fitness of the population is 0, so the frequency of the next "
            "generation is undefined.\n\n"
            "The fitnesses of the genotypes present must be above 0: for example, set "
            "w(aa) above 0 when p = 0.");
    }
    return QStringLiteral("The action stopped because of an unexpected error:\n%1")
        .arg(QString::fromLocal8Bit(error.what()));
}

void ErrorReport::guard(const std::function<void()> &handler) const noexcept {
    try {
        try {
            handler();
        } catch (const std::exception &error) {
            report(UserMessage(error));
        } catch (...) {
            report(QStringLiteral("The action stopped because of an unexpected error."));
        }
    } catch (...) {
        // The report itself failed (out of memory, say); there is nobody left to tell.
    }
}

} // namespace quorvel::platform
