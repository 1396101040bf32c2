"""The Debian package, built from the tree as Debian would and installed with apt as a player
would: it removes nothing, its desktop entry and metainfo validate, its manual pages render, and
the installed game greets headless, as fast as the one in the build folder, `yacht` linking no
toolkit and becoming the installed window's or terminal game's executable. Installing needs root
(skipped, with the reason, otherwise); the package is removed again when it was not there before.

Run: `pytest-3 tests/e2e/installed_package.py --yacht build/yacht` (or `ctest -L package`)."""
import glob
import os
import pty
import re
import statistics
import subprocess

import pytest

from harness.play import GREETING

APP_ID = "io.github.spokenyacht.Yacht"
INSTALLED = "/usr/games/yacht"
WINDOW = "/usr/libexec/yacht/yacht-window"
TERMINAL = "/usr/libexec/yacht/yacht-terminal"
# The manual page in each language of the catalogues, and a heading it has in that language.
MANUAL_HEADINGS = {"de": "BESCHREIBUNG", "fr": "TOUCHES", "es": "DESCRIPCIÓN"}


def installed_version():
    done = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "yacht"], capture_output=True, text=True)
    return "install ok installed" in done.stdout


def greeting_ms(game, times=5):
    """The median time from start to the greeting handed to the voice, offscreen and silent."""
    figures = []
    for _ in range(times):
        run = game.start("--speech-engine", "none", window=False)
        figures.append(run.expect(GREETING, timeout=20).ms)
        run.stop()
    return statistics.median(figures)


def test_package_builds_installs_and_greets(sandbox, game, source_dir):
    for tool in ("dpkg-buildpackage", "dh", "fakeroot"):
        if subprocess.run(["sh", "-c", f"command -v {tool}"], capture_output=True).returncode:
            pytest.skip(f"{tool} is not installed (scripts/setup.sh test installs it)")
    out = os.path.join(sandbox.work, "package")
    built = subprocess.run([os.path.join(source_dir, "scripts", "package.sh"), out],
                           capture_output=True, text=True, timeout=3000)
    assert built.returncode == 0, f"the package did not build:\n{built.stderr[-4000:]}"
    debs = glob.glob(os.path.join(out, "yacht_*.deb"))
    assert len(debs) == 1, debs
    listing = subprocess.run(["dpkg-deb", "-c", debs[0]], capture_output=True, text=True).stdout
    for path in (INSTALLED, WINDOW, TERMINAL, f"/usr/share/applications/{APP_ID}.desktop",
                 f"/usr/share/metainfo/{APP_ID}.metainfo.xml",
                 f"/usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                 f"/usr/share/icons/hicolor/48x48/apps/{APP_ID}.png", "/usr/share/man/man6/yacht.6.gz",
                 *(f"/usr/share/man/{lang}/man6/yacht.6.gz" for lang in MANUAL_HEADINGS)):
        assert f".{path}\n" in listing, f"the package lacks {path}"
    fields = subprocess.run(["dpkg-deb", "-f", debs[0], "Depends", "Recommends"],
                            capture_output=True, text=True).stdout
    assert not re.search(r"\b(pulseaudio|pipewire-pulse|pipewire-audio)\b", fields), fields
    # Debian's own checker, of the release the package was built on: no error and no warning.
    lint = subprocess.run(["lintian", "--fail-on", "error,warning", debs[0]],
                          capture_output=True, text=True, timeout=1200)
    flagged = [line for line in lint.stdout.splitlines() if re.match(r"[EW]: ", line)]
    assert lint.returncode == 0 and not flagged, f"lintian:\n{lint.stdout}{lint.stderr}"

    if os.geteuid() != 0:
        pytest.skip("installing the package needs root; it was built and its contents checked")
    was_installed = installed_version()
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    try:
        done = subprocess.run(["apt", "install", "-y", "-o", "DPkg::Lock::Timeout=600",
                               f"./{os.path.basename(debs[0])}"],
                              cwd=out, env=env, capture_output=True, text=True, timeout=1200)
        assert done.returncode == 0, f"apt install failed:\n{done.stdout[-3000:]}\n{done.stderr[-3000:]}"
        # apt 2 (Debian 12) ends with "N to remove", apt 3 (Debian 13) with "Removing: N".
        summary = re.search(r"(\d+) to remove\b", done.stdout) or re.search(r"\bRemoving: (\d+)",
                                                                             done.stdout)
        assert summary and summary.group(1) == "0", f"apt removed packages:\n{done.stdout[-3000:]}"

        for check in (["desktop-file-validate", f"/usr/share/applications/{APP_ID}.desktop"],
                      ["appstreamcli", "validate", "--no-net", f"/usr/share/metainfo/{APP_ID}.metainfo.xml"]):
            result = subprocess.run(check, capture_output=True, text=True)
            assert result.returncode == 0, f"{' '.join(check)}:\n{result.stdout}{result.stderr}"
        page = subprocess.run(["man", "-P", "cat", "6", "yacht"], capture_output=True, text=True,
                              env=dict(env, MANWIDTH="80"))
        assert page.returncode == 0 and "--transcript" in page.stdout, page.stderr
        for lang, heading in MANUAL_HEADINGS.items():
            page = subprocess.run(["man", "-L", lang, "-P", "cat", "6", "yacht"], capture_output=True,
                                  text=True, env=dict(env, MANWIDTH="80", LC_ALL="C.UTF-8"))
            assert page.returncode == 0 and heading in page.stdout, f"{lang}: {page.stderr}"

        # The installed `yacht` links no toolkit; it becomes the installed executables.
        linked = subprocess.run(["ldd", INSTALLED], capture_output=True, text=True).stdout
        assert "libQt6" not in linked and "libxcb" not in linked, linked
        # A terminal start of the installed game becomes the installed terminal executable.
        master, slave = pty.openpty()
        term = subprocess.Popen([INSTALLED, "--terminal", "--speech-engine", "none"],
                                env=dict(sandbox.env, TERM="xterm"), stdin=slave, stdout=slave,
                                stderr=slave, start_new_session=True)
        os.close(slave)
        try:
            os.read(master, 1)  # the greeting's first byte
            assert os.readlink(f"/proc/{term.pid}/exe") == TERMINAL
        finally:
            term.terminate()
            term.wait(10)
            os.close(master)

        build_ms = greeting_ms(game)
        sandbox.yacht = INSTALLED
        installed_ms = greeting_ms(game)
        run = game.start("--speech-engine", "none", window=False)
        run.expect(GREETING, timeout=20)
        assert os.readlink(f"/proc/{run.proc.pid}/exe") == WINDOW
        run.stop()
        print(f"start to greeting, median of 5: installed {installed_ms} ms, build folder {build_ms} ms")
    finally:
        if not was_installed and installed_version():
            subprocess.run(["dpkg", "--remove", "yacht"], capture_output=True, env=env)
