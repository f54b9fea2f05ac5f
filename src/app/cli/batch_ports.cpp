#include "app/cli/batch_ports.h"

namespace varnel::cli {

Answer BatchDialogs::messageBox(const std::string& title, const std::string& text, Icon,
                                Buttons buttons) {
    boxes_.push_back({title, text});
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::No;
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::Ok:
        case Buttons::OkCancel:
            return Answer::Ok;
    }
    return Answer::Ok;
}

std::string BatchDialogs::inputBox(const std::string&, const std::string&, const std::string&) {
    if (inputs_.empty()) return {};
    std::string answer = std::move(inputs_.front());
    inputs_.erase(inputs_.begin());
    return answer;
}

void BatchDialogs::saveSetting(const std::string& application, const std::string& section,
                               const std::string& key, const std::string& value) {
    if (settings_ != nullptr) settings_->saveSetting(application, section, key, value);
}

std::string BatchDialogs::getSetting(const std::string& application, const std::string& section,
                                     const std::string& key) {
    return settings_ != nullptr ? settings_->getSetting(application, section, key) : std::string();
}

}  // namespace varnel::cli
