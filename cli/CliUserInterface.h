#pragma once

class CSendRun;
class QTextStream;

// The command-line tool's way of showing a send run: line by line on the terminal.
class CCliUserInterface
{
public:
    // Runs the send here, printing one line per participant as it goes, then the summary,
    // and deletes it; true when every participant with an address was sent his e-mail.
    static bool RunSend(CSendRun* pRun, QTextStream& out, QTextStream& err);
};
