#!/usr/bin/env bash
# Starts a print system of its own in DIR: cupsd with a private configuration, spool and socket,
# and one PDF printer queue (cups-pdf) as its default, writing its documents into DIR/pdf.
# Usage: private_cupsd.sh DIR QUEUE DESCRIPTION
# On success prints two lines, "socket PATH" and "pid PID", and exits 0. Otherwise prints one
# line saying why it cannot run here and exits 1; nothing is left running.
#
# The PDF backend reads its settings from a fixed file under /etc/cups; cupsd therefore runs in
# a mount namespace of its own where DIR's settings are bound over that file, so the system's
# files are never touched. That needs root, as does the backend itself.
set -uo pipefail

dir=$1 queue=$2 description=$3

why() {
    echo "$*"
    exit 1
}

[ "$(id -u)" -eq 0 ] || why "the PDF printer backend runs only as root"
for tool in cupsd lpadmin lpstat unshare mount; do
    command -v "$tool" >/dev/null || PATH=$PATH:/usr/sbin:/sbin
    command -v "$tool" >/dev/null || why "$tool is not installed (scripts/setup installs it)"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$backend" ] && [ -f "$ppd" ] && [ -f /etc/cups/cups-pdf.conf ] ||
    why "the cups-pdf printer driver is not installed (scripts/setup installs it)"

mkdir -p "$dir"/{spool,spool/tmp,cache,state,log,pdf,pdf-spool,home}
# The filters run as lp: they must reach the spool.
chmod 0755 "$dir" "$dir"/{cache,state,log,home}
chmod 0777 "$dir"/pdf "$dir"/pdf-spool
chmod 0710 "$dir"/spool
chgrp lp "$dir"/spool 2>/dev/null || true
chmod 1770 "$dir"/spool/tmp
chgrp lp "$dir"/spool/tmp 2>/dev/null || true
socket=$dir/cups.sock

cat >"$dir/cups-files.conf" <<EOF
User lp
Group lp
SystemGroup root
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
EOF
cat >"$dir/cupsd.conf" <<EOF
LogLevel info
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$dir/cups-pdf.conf" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/pdf-spool
Log $dir/log
LogType 3
Grp root
UserUMask 0022
AnonUMask 0022
EOF

unshare --mount --propagation private sh -c \
    'mount --bind "$1" /etc/cups/cups-pdf.conf && exec cupsd -f -c "$2" -s "$3"' \
    sh "$dir/cups-pdf.conf" "$dir/cupsd.conf" "$dir/cups-files.conf" \
    >"$dir/log/cupsd.out" 2>&1 &
pid=$!

stop() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    why "$@"
}

export CUPS_SERVER=$socket HOME=$dir/home
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || stop "cupsd did not start: $(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || stop "cupsd did not answer on $socket"
lpadmin -p "$queue" -D "$description" -v cups-pdf:/ -P "$ppd" -E >"$dir/log/lpadmin.out" 2>&1 ||
    stop "the PDF queue could not be added: $(cat "$dir/log/lpadmin.out")"
lpadmin -d "$queue" >>"$dir/log/lpadmin.out" 2>&1 ||
    stop "the PDF queue could not be made the default: $(cat "$dir/log/lpadmin.out")"
# Whoever started this may end without stopping cupsd (a crashed test): it goes with them.
owner=$PPID
(while kill -0 "$owner" 2>/dev/null; do sleep 1; done; kill "$pid" 2>/dev/null) \
    </dev/null >/dev/null 2>&1 &
echo "socket $socket"
echo "pid $pid"
