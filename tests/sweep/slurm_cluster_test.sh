#!/usr/bin/env bash
# A CFD sweep through a real Slurm cluster: a one-node cluster on this machine
# (Debian's slurm-wlm and munge, a configuration of its own in a temporary
# folder, slurmctld and slurmd on localhost with ports of their own), a sweep
# of two tiny cases submitted with sbatch as the job array the sweep wrote,
# waited for, and gathered with 'report --table'. The daemons are stopped on
# every way out. They run as root: directly, or through sudo without a
# password; without either the test is skipped (status 77).
# Usage: slurm_cluster_test.sh PROGRAM
set -uo pipefail
program="$1"
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || skip "the Slurm daemons need root or sudo without a password"
  as_root=(sudo -n)
fi
for tool in slurmctld slurmd sbatch sinfo scontrol munged; do
  command -v "$tool" > /dev/null || PATH="$PATH:/usr/sbin:/sbin"
  command -v "$tool" > /dev/null || fail "$tool is missing (packages slurm-wlm and munge)"
done

work="$(mktemp -d "${TMPDIR:-/tmp}/bellnozzle-slurm.XXXXXX")"
chmod 755 "$work"
conf="$work/slurm.conf"
export SLURM_CONF="$conf"

stop_daemons() {
  # slurmd leaves running jobs behind when shut down: cancel them first.
  if [ -n "$(squeue -h -o %i 2> /dev/null)" ]; then
    scancel --name=bellnozzle-sweep 2> /dev/null
    for _ in $(seq 1 50); do
      [ -z "$(squeue -h -o %i 2> /dev/null)" ] && break
      sleep 0.2
    done
  fi
  "${as_root[@]}" env SLURM_CONF="$conf" scontrol shutdown > /dev/null 2>&1
  for pidfile in "$work/slurmd.pid" "$work/slurmctld.pid" "$work/munge/munged.pid"; do
    [ -s "$pidfile" ] || continue
    pid="$(cat "$pidfile")"
    for _ in $(seq 1 50); do
      "${as_root[@]}" kill -0 "$pid" 2> /dev/null || break
      [ "$_" -eq 10 ] && "${as_root[@]}" kill "$pid" 2> /dev/null
      sleep 0.2
    done
    "${as_root[@]}" kill -9 "$pid" 2> /dev/null
  done
}
cleanup() {
  local status=$?
  stop_daemons
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    for log in "$work"/log/*.log "$work"/munge/munged.log "$work"/sweep/slurm-*.out; do
      "${as_root[@]}" test -f "$log" && { echo "== $log"; "${as_root[@]}" tail -n 20 "$log"; }
    done
  fi
  "${as_root[@]}" rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# munge: a key and a socket of this test's own, beside no system daemon.
mkdir -p "$work/munge" "$work/key" "$work/state" "$work/spool" "$work/log"
chmod 755 "$work/munge"
chmod 700 "$work/key"
head -c 1024 /dev/urandom > "$work/key/munge.key"
chmod 400 "$work/key/munge.key"
"${as_root[@]}" chown -R root "$work/key" "$work/state" "$work/spool" "$work/log" "$work/munge"
"${as_root[@]}" munged --force --socket="$work/munge/socket" --key-file="$work/key/munge.key" \
  --log-file="$work/munge/munged.log" --pid-file="$work/munge/munged.pid" --seed-file="$work/munge/seed" \
  || fail "munged did not start"
munge -S "$work/munge/socket" -n | unmunge -S "$work/munge/socket" > /dev/null || fail "munge does not work"

# The node as slurmd sees it (CPUs, memory), so the controller accepts it.
node="$(slurmd -C 2> /dev/null | head -n 1 | sed 's/^NodeName=[^ ]*//; s/ UpTime.*//')"
cpus="$(sed -n 's/.*CPUs=\([0-9]*\).*/\1/p' <<< "$node")"
[ -n "$cpus" ] || fail "slurmd -C gave no CPU count: $node"
port=$((20000 + RANDOM % 20000))
cat > "$conf" <<CONF
ClusterName=bellnozzle-test
SlurmctldHost=localhost(127.0.0.1)
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge/socket
MpiDefault=none
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
ReturnToService=2
MailProg=/bin/true
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/log/slurmctld.log
SlurmdLogFile=$work/log/slurmd.log
NodeName=localhost NodeAddr=127.0.0.1 $node
PartitionName=debug Nodes=localhost Default=YES MaxTime=INFINITE State=UP
CONF
"${as_root[@]}" slurmctld -f "$conf" || fail "slurmctld did not start"
"${as_root[@]}" slurmd -f "$conf" -N localhost || fail "slurmd did not start"
for _ in $(seq 1 60); do
  [ "$(sinfo -h -n localhost -o %t 2> /dev/null)" = idle ] && break
  sleep 0.5
done
[ "$(sinfo -h -n localhost -o %t 2> /dev/null)" = idle ] || fail "the node never came up: $(sinfo 2>&1)"

# Two tiny cases, written by the sweep with its job array.
cd "$work" || fail "no work folder"
"$program" sweep --epsilon 4 --length 80 --method chart,cone --cases sweep --cells 12x4 > sweep.txt \
  || fail "the sweep refused: $(cat sweep.txt)"
[ "$(wc -l < sweep/cases.txt)" -eq 2 ] || fail "cases.txt lists $(wc -l < sweep/cases.txt) cases, not 2"
cd sweep || fail "no sweep folder"
timeout 300 sbatch --wait --quiet sweep.slurm || fail "the job array failed or timed out"
ls slurm-*_1.out slurm-*_2.out > /dev/null || fail "the array's tasks left no output"

"$program" report --table . --csv table.csv > table.txt || fail "report --table refused"
cat table.txt
[ "$(grep -c '' table.csv)" -eq 3 ] || fail "the table has not a header and two rows"
grep -q '^"chart_eps4_L80",4,80,\(yes\|no\),[0-9]' table.csv || fail "no run result of the chart's bell in the table"
grep -q '^"cone_eps4",4,100,\(yes\|no\),[0-9]' table.csv || fail "no run result of the cone in the table"
echo "PASS: two cases run through sbatch on a one-node Slurm cluster and gathered"
