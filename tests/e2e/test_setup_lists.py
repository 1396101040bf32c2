"""The set-up script's packages, tried with apt-get -s beside PipeWire's audio packages (what a
Debian 12 GNOME desktop has): they take nothing away that PipeWire itself would not, and playing
never asks for a sound server."""
import os
import re
import subprocess

import pytest

SOUND_SERVERS = {"pulseaudio", "pipewire-pulse", "pipewire-audio", "pipewire"}


def wanted(source_dir, purpose):
    done = subprocess.run(["bash", os.path.join(source_dir, "scripts", "setup.sh"), purpose, "--list"],
                          capture_output=True, text=True, check=True)
    return done.stdout.split()


def removals(packages):
    """What apt-get would remove to install the packages, as a set of names."""
    done = subprocess.run(["apt-get", "-s", "-o", "Debug::NoLocking=1", "install", *packages],
                          capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
    assert done.returncode == 0, done.stderr
    return set(re.findall(r"^Remv (\S+)", done.stdout, re.M))


def test_play_wants_no_sound_server(source_dir):
    assert not SOUND_SERVERS & set(wanted(source_dir, "play"))


@pytest.mark.parametrize("purpose", ["play", "test"])
def test_beside_pipewire_nothing_more_is_removed(source_dir, purpose):
    if subprocess.run(["apt-cache", "show", "pipewire-audio"], capture_output=True).returncode:
        pytest.skip("apt knows no pipewire-audio here (no package lists: run apt-get update)")
    # A machine with PipeWire's pulse layer gets no pulseaudio from the script.
    packages = [p for p in wanted(source_dir, purpose) if p != "pulseaudio"]
    alone = removals(["pipewire-audio"])
    together = removals(["pipewire-audio", *packages])
    assert together == alone, f"the {purpose} packages would also remove {sorted(together - alone)}"
    print(f"{purpose}: {len(packages)} packages beside pipewire-audio remove nothing more "
          f"(pipewire-audio alone removes {sorted(alone) or 'nothing'})")
