# A one-node Slurm cluster on this machine, for the render farm test: munged, slurmctld and slurmd with a
# configuration, key, state and spool of their own under a folder the test names, talking over the
# loopback address only. Source it, then
#   start_cluster FOLDER    starts the daemons and waits until the node takes jobs (needs root)
#   stop_cluster            cancels the jobs still on the cluster and stops every daemon start_cluster
#                           started; call it from the test's trap
# SLURM_CONF is exported, so that sbatch, squeue and scancel talk to this cluster alone. Should the test be
# killed outright (CTest kills a test that runs past its time with SIGKILL, which no trap sees), a watcher
# stops the cluster as soon as the test's shell is gone.

cluster_folder=
cluster_watcher=

# A TCP port nothing listens on, from a range of its own so that the daemons of a cluster the machine may
# run are left alone.
free_port() {
    local port
    for port in $(seq "$1" "$(($1 + 200))"); do
        if ! ss -Hltn "sport = :$port" | grep -q .; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

# Starts a daemon in the foreground of a background job, so that its process id is known and it can be
# stopped by that id alone. The ids are kept in a file, where the watcher finds them too.
start_daemon() {
    local name=$1
    shift
    "$@" > "$cluster_folder/log/$name.out" 2>&1 &
    echo $! >> "$cluster_folder/daemons"
}

# Stops the cluster once the shell that started it has gone, whichever way it went. Its output goes
# nowhere, so that CTest does not wait for it.
start_watcher() {
    local shell=$$
    (
        trap - EXIT
        while kill -0 "$shell" 2> /dev/null; do sleep 1; done
        stop_cluster
    ) > /dev/null 2>&1 < /dev/null &
    cluster_watcher=$!
}

cluster_log() {
    local file
    for file in "$cluster_folder"/log/*; do
        echo "--- $(basename "$file")"
        tail -n 20 "$file"
    done
}

start_cluster() {
    cluster_folder=$1
    local node
    node=$(hostname -s)
    mkdir -p "$cluster_folder"/{munge,state,spool,log}
    # Before the watcher starts, so that it, too, only ever cancels jobs of this cluster.
    export SLURM_CONF="$cluster_folder/slurm.conf"
    : > "$cluster_folder/daemons"
    start_watcher
    chmod 700 "$cluster_folder/munge"
    dd if=/dev/urandom of="$cluster_folder/munge/munge.key" bs=1024 count=1 status=none
    chmod 400 "$cluster_folder/munge/munge.key"
    local socket="$cluster_folder/munge/socket"
    # --force: munged otherwise refuses a socket under a folder that others may write to, such as /tmp.
    start_daemon munged munged --foreground --force --socket="$socket" \
        --key-file="$cluster_folder/munge/munge.key" --log-file="$cluster_folder/log/munged.log" \
        --pid-file="$cluster_folder/munge/munged.pid" --seed-file="$cluster_folder/munge/munged.seed"
    local waited=0
    until [ -S "$socket" ]; do
        sleep 0.1
        waited=$((waited + 1))
        [ $waited -lt 100 ] || { cluster_log; echo "munged did not start" >&2; return 1; }
    done

    local controller_port node_port
    controller_port=$(free_port 26817) && node_port=$(free_port $((controller_port + 1))) ||
        { echo "no free port for the cluster" >&2; return 1; }
    cat > "$SLURM_CONF" <<CONF
ClusterName=zenphra-test
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$controller_port
SlurmdPort=$node_port
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$socket
StateSaveLocation=$cluster_folder/state
SlurmdSpoolDir=$cluster_folder/spool
SlurmctldPidFile=$cluster_folder/slurmctld.pid
SlurmdPidFile=$cluster_folder/slurmd.pid
SlurmctldLogFile=$cluster_folder/log/slurmctld.log
SlurmdLogFile=$cluster_folder/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
MpiDefault=none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
# Jobs start as soon as CPUs are free, not at the next of the scheduler's minute-long rounds.
SchedulerParameters=sched_interval=1,bf_interval=1
ReturnToService=2
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=farm Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONF
    start_daemon slurmctld slurmctld -D -c -f "$SLURM_CONF"
    start_daemon slurmd slurmd -D -f "$SLURM_CONF"

    local deadline=$((SECONDS + 60))
    until [ "$(timeout 10 sinfo -h -n "$node" -o %t 2> /dev/null)" = idle ]; do
        sleep 0.2
        [ $SECONDS -lt $deadline ] || { cluster_log; echo "the node did not become idle" >&2; return 1; }
    done
}

# Cancels every job of the cluster, which is the test's alone, and waits a little for them to end, so that
# no task or job step outlives the daemons.
cancel_jobs() {
    local jobs
    jobs=$(timeout 10 squeue -h -o %A 2> /dev/null) || return 0
    [ -n "$jobs" ] || return 0
    # shellcheck disable=SC2086  # one job id a word
    timeout 10 scancel $jobs 2> /dev/null || true
    for _ in $(seq 50); do
        [ -z "$(timeout 10 squeue -h -o %A 2> /dev/null)" ] && return 0
        sleep 0.2
    done
}

stop_cluster() {
    [ -n "$cluster_folder" ] && [ -f "$cluster_folder/daemons" ] || return 0
    if [ -n "$cluster_watcher" ]; then
        kill "$cluster_watcher" 2> /dev/null || true
        wait "$cluster_watcher" 2> /dev/null || true
    fi
    cancel_jobs
    local pid
    # The workers first, the controller next, the credentials last.
    for pid in $(tac "$cluster_folder/daemons"); do
        kill "$pid" 2> /dev/null || continue
        for _ in $(seq 50); do
            kill -0 "$pid" 2> /dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
    done
    rm -f "$cluster_folder/daemons"
}
