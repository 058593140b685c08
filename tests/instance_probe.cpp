// Helper process for the single-instance tests: reports whether another copy
// holds the lock, then, with "hold", keeps its own lock until stdin closes.
#include "QtPlatform.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Tessivane::QtInstanceGuard guard(QStringLiteral("tessivane-probe"));
    std::cout << (guard.anotherCopyRunning() ? "another" : "alone") << std::endl;
    if (app.arguments().contains(QStringLiteral("hold"))) {
        std::string line;
        while (std::getline(std::cin, line)) { }
    }
    return 0;
}
