#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the README's `make test` on a fresh minimal Debian, as a new user
# would: a minbase chroot of SUITE with only make, git, sudo and
# ca-certificates added, a user with sudo, LANG unset and umask 0002. The
# commit checked out here (HEAD, not the working tree) is cloned into it.
#
#   packaging/test-in-chroot.sh [--keep] [--refresh] SUITE [MAKE_TARGET...]
#
# SUITE is a Debian suite or code name (trixie, testing, ...); the make
# targets default to `test` (`test test-long` runs the long runs as well).
# Prints one line per step and the ctest summary; everything else goes to a
# log, whose end is shown when a step fails. Exits with make's status.
#
# Needs root. Debian's mirror is the one this machine's apt uses (or
# CORVANE_CHROOT_MIRROR). Kept between runs in CORVANE_CHROOT_CACHE
# (/var/cache/corvane-chroot): the bootstrapped base of each suite (a second
# run downloads none of it; --refresh bootstraps it again), the packages apt
# downloads in the chroot and a compiler cache for its builds. The chroot
# itself is removed after each run, unless --keep leaves it (unmounted) for a
# look inside.
set -euo pipefail

# Everything below is one command, which bash reads in full before running
# it, so that an edit of this file during a run does not change what the
# run does.
{

usage() {
  echo "usage: $0 [--keep] [--refresh] SUITE [MAKE_TARGET...]" >&2
  exit 2
}

keep=0
refresh=0
while (($#)); do
  case $1 in
    --keep) keep=1 ;;
    --refresh) refresh=1 ;;
    -h|--help) usage ;;
    -*) echo "test-in-chroot.sh: unknown option $1" >&2; usage ;;
    *) break ;;
  esac
  shift
done
(($#)) || usage
suite=$1
shift
targets=("$@")
((${#targets[@]})) || targets=(test)
[[ $suite =~ ^[a-z][a-z0-9.-]*$ ]] || { echo "test-in-chroot.sh: bad suite name '$suite'" >&2; exit 2; }

[[ $(id -u) -eq 0 ]] || { echo "test-in-chroot.sh: needs root (debootstrap, mounts, chroot)" >&2; exit 1; }

source_dir=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$source_dir" rev-parse HEAD)

cache=${CORVANE_CHROOT_CACHE:-/var/cache/corvane-chroot}
work=$(realpath -m "$cache/$suite")
base=$work/base.tar
root=$work/root
log=$work/last-run.log
user=builder

mkdir -p "$work/archives" "$work/ccache"
exec 9>"$work/lock"
flock -n 9 || { echo "test-in-chroot.sh: another run for $suite holds $work/lock" >&2; exit 1; }
: >"$log"

started=$SECONDS
step_started=$SECONDS
outcome=
# step TEXT: starts a step's line; done_step ends it with the time it took.
step() {
  step_started=$SECONDS
  printf '%-58s' "$1 ..."
}
done_step() {
  printf ' %4ds\n' $((SECONDS - step_started))
}
# in_background COMMAND...: runs a command and waits for it in a way a
# signal interrupts (bash runs a trap only once the foreground command has
# ended, but at once during `wait`).
child=
in_background() {
  local status=0
  "$@" &
  child=$!
  wait "$child" || status=$?
  child=
  return "$status"
}
# quiet COMMAND...: runs a command with its output in the log; on failure
# shows the end of the log and stops.
quiet() {
  echo "+ $*" >>"$log"
  if ! in_background "$@" >>"$log" 2>&1; then
    echo " failed"
    echo "--- last lines of $log:"
    tail -n 40 "$log"
    exit 1
  fi
}

# Debian's mirror as this machine's apt knows it: the first source of a
# suite without a dash (not -security, -updates or -backports) whose Release
# file is labelled Debian (not another vendor's repository); without apt's
# lists, which tell the label, the first such source.
mirror() {
  if [[ -n ${CORVANE_CHROOT_MIRROR:-} ]]; then
    echo "$CORVANE_CHROOT_MIRROR"
    return
  fi
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(LABEL)' 2>/dev/null |
    awk '$1 ~ /^https?:/ && $2 !~ /-/ {
           if ($3 == "Debian") { print $1; found = 1; exit }
           if (first == "") first = $1
         }
         END { if (!found && first != "") print first }'
}

# ---------------------------------------------------------------------------
# Mounts and processes are undone on every exit.
mounted=()
mount_in() { # mount_in TARGET MOUNT-ARGUMENTS...
  local target=$1
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

# Every process whose root directory is the chroot or the one debootstrap
# is filling.
chroot_pids() {
  local p r
  for p in /proc/[0-9]*; do
    r=$(readlink "$p/root" 2>/dev/null) || continue
    [[ $r == "$root" || $r == "$work/bootstrap" ]] && echo "${p#/proc/}"
  done
  return 0
}

# mounts_below DIR: mounts at or below DIR, deepest first, whoever made them.
mounts_below() {
  awk -v dir="$1" '$5 == dir || index($5, dir "/") == 1 { print $5 }' \
    /proc/self/mountinfo | sort -r
}

# remove_tree DIR: unmounts what is left mounted below DIR, then removes it;
# refuses while anything stays mounted there.
remove_tree() {
  local m
  [[ -e $1 ]] || return 0
  for m in $(mounts_below "$1"); do umount "$m" 2>/dev/null || umount -l "$m"; done
  [[ -z $(mounts_below "$1") ]] || { echo "test-in-chroot.sh: cannot unmount what is mounted below $1" >&2; return 1; }
  rm -rf --one-file-system "$1"
}

clean_up() {
  local status=$? pids i
  set +e
  [[ -n $child ]] && kill "$child" 2>/dev/null
  pids=$(chroot_pids)
  if [[ -n $pids ]]; then
    kill $pids 2>/dev/null
    sleep 1
    pids=$(chroot_pids)
    [[ -n $pids ]] && kill -KILL $pids 2>/dev/null && sleep 0.5
  fi
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}"
  done
  mounted=()
  remove_tree "$work/bootstrap"
  [[ $keep == 1 ]] || remove_tree "$root"
  # The whole run's time, the chroot's removal included.
  [[ -n $outcome ]] &&
    echo "Debian $suite: $outcome in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
  exit "$status"
}
trap clean_up EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# A chroot left by an earlier run (--keep, or killed): unmount what is left,
# then remove it.
remove_tree "$root" || exit 1
remove_tree "$work/bootstrap" || exit 1

echo "Debian $suite, commit ${commit:0:12}; log: $log"

url=$(mirror)
url=${url%/}
[[ -n $url ]] || { echo "test-in-chroot.sh: no Debian mirror in apt's sources; set CORVANE_CHROOT_MIRROR" >&2; exit 1; }
echo "mirror $url" >>"$log"

# ---------------------------------------------------------------------------
# The base: debootstrap's minbase with the four packages a new user starts
# with. Bootstrapped once, then unpacked from its tarball.
if [[ $refresh == 1 ]]; then
  rm -f "$base"
fi
if [[ ! -f $base ]]; then
  if ! command -v debootstrap >/dev/null; then
    step "Installing debootstrap"
    quiet env DEBIAN_FRONTEND=noninteractive apt-get update -q
    quiet env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap
    done_step
  fi
  # An older debootstrap has no script for the newest code names; theirs
  # is unstable's.
  script=()
  [[ -e /usr/share/debootstrap/scripts/$suite ]] || script=(/usr/share/debootstrap/scripts/sid)
  step "Bootstrapping a minimal $suite"
  quiet debootstrap --variant=minbase --include=make,git,sudo,ca-certificates \
    "$suite" "$work/bootstrap" "$url" "${script[@]}"
  quiet tar -C "$work/bootstrap" -cf "$base.new" .
  mv "$base.new" "$base"
  remove_tree "$work/bootstrap"
  done_step
fi

step "Unpacking the $suite base"
mkdir -p "$root"
quiet tar -C "$root" -xf "$base"
done_step

# ---------------------------------------------------------------------------
step "Setting up user $user, mounts and the clone"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# sudo looks the host's name up.
printf '127.0.0.1 localhost\n127.0.1.1 %s\n' "$(uname -n)" >"$root/etc/hosts"
# dpkg without a sync after every file: the chroot is thrown away, and on a
# busy machine the syncs take longer than the rest of the installation.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/corvane-unsafe-io"
# Debian testing's copy on a mirror may be frozen past its Release file's
# Valid-Until date; apt may take it only there.
release=$(mktemp)
if /usr/lib/apt/apt-helper download-file "$url/dists/$suite/Release" "$release" >>"$log" 2>&1 &&
   grep -qx 'Suite: testing' "$release"; then
  echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/80corvane-testing-valid-until"
  echo "Acquire::Check-Valid-Until false for testing" >>"$log"
fi
rm -f "$release"

quiet chroot "$root" useradd --create-home --shell /bin/bash "$user"
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
chmod 0440 "$root/etc/sudoers.d/$user"

mount_in "$root/proc" -t proc proc
mount_in "$root/sys" -t sysfs sysfs
mount_in "$root/dev" --bind /dev
mount_in "$root/dev/pts" --bind /dev/pts
mount_in "$root/dev/shm" -t tmpfs -o mode=1777,nosuid,nodev tmpfs
mount_in "$root/run" -t tmpfs -o mode=0755,nosuid,nodev tmpfs
mount_in "$root/tmp" -t tmpfs -o mode=1777,nosuid,nodev tmpfs
mount_in "$root/var/cache/apt/archives" --bind "$work/archives"
mount_in "$root/var/cache/ccache" --bind "$work/ccache"

# The commit, not the working tree: a bundle of HEAD, cloned by the user.
quiet git -C "$source_dir" bundle create "$root/tmp/corvane.bundle" HEAD
chmod 0644 "$root/tmp/corvane.bundle"
done_step

# as_user COMMAND: a login as the new user would give it: no LANG, umask
# 0002, sudo without a password; the chroot's compiler cache through CMake's
# launcher variable.
as_user() {
  chroot "$root" /usr/sbin/runuser -u "$user" -- /usr/bin/env -i \
    HOME=/home/$user USER=$user LOGNAME=$user SHELL=/bin/bash TERM=dumb \
    PATH=/usr/local/bin:/usr/bin:/bin \
    CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=/var/cache/ccache \
    /bin/bash -c "cd && umask 0002 && $1"
}

# ccache is the test run's own addition, not the project's.
step "Installing ccache for the chroot's builds"
quiet chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -q
quiet chroot "$root" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends ccache
chown "$(chroot "$root" id -u "$user"):$(chroot "$root" id -g "$user")" "$work/ccache"
done_step

step "Cloning ${commit:0:12} as $user"
quiet as_user "git -c advice.detachedHead=false clone -q /tmp/corvane.bundle corvane"
done_step

status=0
for target in "${targets[@]}"; do
  step "make $target"
  echo "+ make $target" >>"$log"
  mark=$(wc -l <"$log")
  if in_background as_user "cd corvane && make $target" >>"$log" 2>&1; then
    done_step
  else
    status=$?
    echo " failed (status $status)"
  fi
  # The ctest summary: how many passed, which failed.
  tail -n +"$((mark + 1))" "$log" |
    sed -n -e '/tests passed, .* failed out of/p' -e '/^The following tests FAILED:/,/^Errors while running CTest/p' |
    grep -v '^Errors while running CTest' | sed 's/^/    /'
  if [[ $status != 0 ]]; then
    if ! tail -n +"$((mark + 1))" "$log" | grep -q 'tests passed, .* failed out of'; then
      echo "--- last lines of $log:"
      tail -n 40 "$log"
    fi
    break
  fi
done

if ((status == 0)); then outcome=passed; else outcome=FAILED; fi
exit "$status"
}
