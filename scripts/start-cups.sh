#!/usr/bin/env bash
# Starts the print system for the printing tests, with a PDF queue as the default printer.
# Does nothing that is already done; every wait is bounded. Exits non-zero when no queue.
set -u

running() {
    timeout 5 lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

if ! command -v lpstat >/dev/null || [ ! -x /usr/sbin/cupsd ]; then
    echo "start-cups: CUPS is not installed" >&2
    exit 1
fi

if ! running; then
    timeout 10 /usr/sbin/cupsd || { echo "start-cups: cupsd did not start" >&2; exit 1; }
    for _ in $(seq 1 50); do
        running && break
        sleep 0.2
    done
    running || { echo "start-cups: the scheduler does not answer" >&2; exit 1; }
fi

if ! timeout 5 lpstat -p PDF >/dev/null 2>&1; then
    timeout 20 lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null ||
        { echo "start-cups: the PDF queue could not be added" >&2; exit 1; }
fi
timeout 5 lpoptions -d PDF >/dev/null || { echo "start-cups: PDF is not the default" >&2; exit 1; }
exit 0
