#pragma once

// Runs jobs on every core and hands their results back in the order the jobs were given, so a
// file can be written front to back while later parts are still being encoded.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class OrderedJobs
{
public:
    using Job = std::function<std::string()>;
    using Take = std::function<void(std::string &)>;

    explicit OrderedJobs(unsigned threads = 0); // 0: one per core
    ~OrderedJobs();
    OrderedJobs(const OrderedJobs &) = delete;
    OrderedJobs &operator=(const OrderedJobs &) = delete;

    // Queues a job; while too many results are pending, waits and hands the oldest to take.
    void submit(Job job, const Take &take);
    // Hands every result to take, in order, once all jobs have run.
    void drain(const Take &take);
    unsigned threads() const { return static_cast<unsigned>(m_workers.size()); }

private:
    void work();
    void takeOldest(const Take &take);

    std::mutex m_mutex;
    std::condition_variable m_jobReady;
    std::condition_variable m_resultReady;
    std::deque<std::pair<std::uint64_t, Job>> m_jobs;
    std::map<std::uint64_t, std::string> m_results;
    std::uint64_t m_submitted = 0;
    std::uint64_t m_taken = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};
