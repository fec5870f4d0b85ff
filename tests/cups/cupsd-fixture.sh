#!/bin/sh
# A private CUPS scheduler in a folder of its own, for tests and for trying the program
# without a receipt printer. It never touches the system's CUPS set-up.
#
#   cupsd-fixture.sh start DIR [QUEUE]  start a scheduler in DIR; with QUEUE, add a virtual
#                                       58 mm receipt queue of that name as the default
#   cupsd-fixture.sh stop DIR           stop it (DIR stays, with the received documents)
#   cupsd-fixture.sh resume DIR         start it again on the same folder and queues
#
# Clients reach it with CUPS_SERVER=DIR/sock. Every document it receives stays in
# DIR/spool as d00001-001, d00002-001, ... (PDF, as the program sent it).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
action=${1:?usage: $0 start|stop|resume DIR [QUEUE]}
dir=${2:?usage: $0 start|stop|resume DIR [QUEUE]}

write_config() {
    mkdir -p "$dir/spool" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd"
    cat > "$dir/cupsd.conf" <<CONF
Listen $dir/sock
LogLevel warn
MaxLogSize 0
Browsing No
WebInterface No
DefaultAuthType None
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/spool/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
SystemGroup root
CONF
}

wait_until_up() {
    i=0
    while ! CUPS_SERVER="$dir/sock" lpstat -r 2>/dev/null | grep -q "is running"; do
        i=$((i + 1))
        if [ "$i" -gt 100 ]; then
            echo "cupsd did not come up; see $dir/log/error_log" >&2
            cat "$dir/log/error_log" >&2 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
}

start_scheduler() {
    rm -f "$dir/sock"
    /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >>"$dir/log/cupsd.out" 2>&1 &
    echo $! > "$dir/cupsd.fixture-pid"
    wait_until_up
}

case "$action" in
start)
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    write_config
    start_scheduler
    if [ $# -ge 3 ]; then
        CUPS_SERVER="$dir/sock" lpadmin -p "$3" -E -v file:///dev/null -P "$here/receipt58.ppd" 2>/dev/null
        CUPS_SERVER="$dir/sock" lpadmin -d "$3"
    fi
    ;;
resume)
    dir=$(cd "$dir" && pwd)
    start_scheduler
    ;;
stop)
    if [ -f "$dir/cupsd.fixture-pid" ]; then
        pid=$(cat "$dir/cupsd.fixture-pid")
        kill "$pid" 2>/dev/null || true
        i=0
        while kill -0 "$pid" 2>/dev/null && [ "$i" -lt 100 ]; do i=$((i + 1)); sleep 0.1; done
        rm -f "$dir/cupsd.fixture-pid"
    fi
    ;;
*)
    echo "usage: $0 start|stop|resume DIR [QUEUE]" >&2
    exit 2
    ;;
esac
