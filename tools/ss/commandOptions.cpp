#include "commandOptions.h"



namespace sscmd {

CommandOptions::Option* CommandOptions::find(const std::string& name) {
    for (Option& o : options_)
        if (name == o.name)
            return &o;
    return nullptr;
}

bool CommandOptions::parse(const std::vector<std::string>& args, const char* tooMany) {
    std::size_t nextPositional = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.empty() || a[0] != '-') {
            if (nextPositional >= positionals_.size()) {
                std::fprintf(err_, "%s: %s ('%s')\n", command_.c_str(), tooMany, a.c_str());
                return false;
            }
            *positionals_[nextPositional++] = a;
            continue;
        }
        Option* o = find(a);
        if (!o) {
            std::fprintf(err_, "%s: unknown option '%s' (try %s --help)\n", command_.c_str(), a.c_str(),
                         command_.c_str());
            return false;
        }
        o->given = true;
        if (o->flag) {
            *o->flag = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            std::fprintf(err_, "%s: %s needs a value\n", command_.c_str(), a.c_str());
            return false;
        }
        const std::string& value = args[++i];
        if (o->text)
            *o->text = value;
        else if (o->optionalText)
            *o->optionalText = value;
        else
            o->texts->push_back(value);
    }
    return true;
}

bool CommandOptions::notBoth(const char* first, const char* second) {
    const Option* a = find(first);
    const Option* b = find(second);
    if (a && b && a->given && b->given) {
        std::fprintf(err_, "%s: %s and %s cannot both be given\n", command_.c_str(), first, second);
        return false;
    }
    return true;
}

} // namespace sscmd
