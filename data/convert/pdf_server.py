#!/usr/bin/python3
"""Keeps one headless LibreOffice running and converts RTF print documents
to PDF for QUILL10, so only the first PDF of a session waits for LibreOffice
to start.

    pdf_server.py SOFFICE PROFILE_URL

It starts SOFFICE with the profile PROFILE_URL (a folder of QUILL10's own),
connects to it through a named pipe and answers one line for each line it
reads on its standard input:

    ready                      once, when LibreOffice can take work
    failed REASON              instead of "ready", and then it ends
    <input.rtf> TAB <out.pdf>  a job: the answer is "ok" or "error REASON"

When its input ends it closes LibreOffice and ends.  QUILL10 checks what
was written (a PDF with pages) before it puts it anywhere.
"""
import os
import subprocess
import sys
import time

CONNECT_SECONDS = 90


def answer(text):
    sys.stdout.write(text.replace("\n", " ") + "\n")
    sys.stdout.flush()


def connect(soffice, profile):
    import uno  # the Python bridge of LibreOffice (Debian package python3-uno)

    pipe = "quill10_pdf_%d" % os.getpid()
    office = subprocess.Popen(
        [soffice, "-env:UserInstallation=" + profile, "--headless", "--invisible", "--norestore", "--nologo",
         "--nodefault", "--nolockcheck", "--accept=pipe,name=%s;urp;" % pipe],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + CONNECT_SECONDS
    while True:
        if office.poll() is not None:
            raise RuntimeError("LibreOffice (%s) ended at start with status %d" % (soffice, office.returncode))
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            break
        except Exception:
            if time.monotonic() > deadline:
                office.kill()
                raise RuntimeError("LibreOffice did not answer within %d seconds" % CONNECT_SECONDS)
            time.sleep(0.05)
    desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
    return uno, office, desktop


def properties(uno, **values):
    from com.sun.star.beans import PropertyValue

    result = []
    for name, value in values.items():
        item = PropertyValue()
        item.Name = name
        item.Value = value
        result.append(item)
    return tuple(result)


def convert(uno, desktop, source, target):
    document = desktop.loadComponentFromURL(uno.systemPathToFileUrl(source), "_blank", 0,
                                            properties(uno, Hidden=True, ReadOnly=True))
    if document is None:
        raise RuntimeError("LibreOffice could not open the print document")
    try:
        document.storeToURL(uno.systemPathToFileUrl(target), properties(uno, FilterName="writer_pdf_Export"))
    finally:
        document.close(True)


def main():
    if len(sys.argv) != 3:
        answer("failed usage: pdf_server.py SOFFICE PROFILE_URL")
        return 2
    try:
        uno, office, desktop = connect(sys.argv[1], sys.argv[2])
    except ImportError:
        answer("failed the Python bridge of LibreOffice is not installed (Debian package python3-uno)")
        return 3
    except Exception as problem:
        answer("failed %s" % problem)
        return 1
    answer("ready")
    for line in sys.stdin:
        parts = line.rstrip("\n").split("\t")
        if len(parts) != 2:
            answer("error the job is not an input and an output separated by a tab")
            continue
        try:
            convert(uno, desktop, parts[0], parts[1])
            answer("ok")
        except Exception as problem:
            answer("error %s" % problem)
    try:
        desktop.terminate()
    except Exception:
        pass
    try:
        office.wait(timeout=10)
    except subprocess.TimeoutExpired:
        office.kill()
    return 0


if __name__ == "__main__":
    sys.exit(main())
