#include "notify_options.h"

namespace quintara::watch {

void declareNotifyOptions(CLI::App& commandLine, NotifyRequest& request) {
    auto* notify =
        commandLine
            .add_option("--notify", request.channels,
                        "Pushes each alert to a channel, its format chosen by the scheme's prefix: "
                        "ntfy+https://HOST/TOPIC, json+https://…, wecom+https://…?key=K, "
                        "dingtalk+https://…?access_token=T&secret=S, "
                        "telegram+https://HOST/botTOKEN/sendMessage?chat_id=C, bark+https://HOST/KEY "
                        "(http:// for a relay on your own network). Repeatable; a failed push is tried again "
                        "after 1, 5 and 25 s.")
            ->type_name("URL")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    commandLine.add_option("--quiet", request.quiet,
                           "Holds the pushes from HH:MM to HH:MM (local time, past midnight allowed) and sends "
                           "one summary when the quiet hours end.")
        ->type_name("HH:MM-HH:MM")
        ->needs(notify);
}

std::variant<NotifySettings, std::string> notifySettings(const NotifyRequest& request) {
    NotifySettings settings;
    for (std::size_t at = 0; at < request.channels.size(); ++at) {
        auto channel = pushChannelNamed(request.channels[at]);
        if (const auto* why = std::get_if<std::string>(&channel)) {
            return "--notify #" + std::to_string(at + 1) + ": " + *why;
        }
        settings.channels.push_back(std::move(std::get<PushChannel>(channel)));
    }
    if (request.quiet) {
        settings.quiet = QuietHours::named(*request.quiet);
        if (!settings.quiet) return "--quiet wants HH:MM-HH:MM, two different times, not \"" + *request.quiet + "\"";
    }
    return settings;
}

}  // namespace quintara::watch
