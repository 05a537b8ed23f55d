#include "zdialogscript.h"
#include "zlog.h"

#include <deque>

namespace {

struct Script
{
    bool active = false;
    std::deque<ZDialogScript::Answer> answers;
    QList<ZDialogScript::Shown> shown;
};

Script &script()
{
    static Script theScript;
    return theScript;
}

void push(ZDialogScript::Answer::Kind kind, int index, const QString &path)
{
    ZDialogScript::Answer answer;
    answer.kind = kind;
    answer.index = index;
    answer.path = path;
    script().answers.push_back(answer);
}

} // namespace

void ZDialogScript::start()
{
    script() = Script();
    script().active = true;
}

void ZDialogScript::stop()
{
    script() = Script();
}

bool ZDialogScript::isActive()
{
    return script().active;
}

void ZDialogScript::accept(int index)
{
    push(Answer::Accept, index, QString());
}

void ZDialogScript::acceptNone()
{
    push(Answer::Accept, -1, QString());
}

void ZDialogScript::cancel()
{
    push(Answer::Cancel, -1, QString());
}

void ZDialogScript::pick(const QString &path)
{
    push(Answer::Pick, -1, path);
}

int ZDialogScript::pending()
{
    return int(script().answers.size());
}

QList<ZDialogScript::Shown> ZDialogScript::shown()
{
    return script().shown;
}

void ZDialogScript::clearShown()
{
    script().shown.clear();
}

ZDialogScript::Answer ZDialogScript::takeAnswer(const QString &kind)
{
    if (script().answers.empty()) {
        qCWarning(zlog("platform")) << "dialog script: no answer left for" << kind << "- cancelled";
        return Answer();
    }
    const Answer answer = script().answers.front();
    script().answers.pop_front();
    return answer;
}

void ZDialogScript::record(const Shown &shown)
{
    script().shown.append(shown);
}
